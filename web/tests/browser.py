"""The page's tests' harness: the built site served on a free local port, and Debian's
Chromium, headless, driven through chromedriver, on a desktop's screen or a phone's.
Tests find the page's parts as a player's assistive technology does, by their
accessible role and name (Chromium's accessibility tree, read through DevTools)."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

Here = os.path.dirname(os.path.abspath(__file__))
Site = os.environ.get('VELTRO_SITE', os.path.join(Here, '..', '..', 'build', 'web', 'site'))
Cli = os.environ.get('VELTRO_CLI', os.path.join(Here, '..', '..', 'build', 'native', 'cli', 'veltro-cli'))

# Root needs --no-sandbox; a root whose /dev/shm is no tmpfs, the shared memory flag;
# a closed network, no connections of Chromium's own.
ChromiumFlags = ['--headless=new', '--no-sandbox', '--disable-dev-shm-usage', '--disable-gpu', '--disable-quic',
                 '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync',
                 '--lang=zh-CN']


class Server:
    """web/serve.py on a folder, on whatever port is free."""

    def __init__(self, folder):
        self.process = subprocess.Popen([sys.executable, os.path.join(Here, '..', 'serve.py'), '--port', '0', folder],
                                        stdout=subprocess.PIPE, text=True)
        line = self.process.stdout.readline()
        if 'http://' not in line:
            raise RuntimeError(f'web/serve.py did not start: {line!r}')
        self.url = line[line.index('http://'):].split()[0]

    def stop(self):
        self.process.terminate()
        self.process.wait()
        self.process.stdout.close()


class Browser:
    def __init__(self, phone=None):
        """phone: (width, height) of a touch screen at 3 device pixels a CSS pixel."""
        options = webdriver.ChromeOptions()
        options.binary_location = '/usr/bin/chromium'
        for flag in ChromiumFlags:
            options.add_argument(flag)
        self.profile = tempfile.mkdtemp(prefix='veltro-chromium-')
        options.add_argument(f'--user-data-dir={self.profile}')
        if phone:
            metrics = {'width': phone[0], 'height': phone[1], 'pixelRatio': 3, 'touch': True}
            options.add_experimental_option('mobileEmulation', {'deviceMetrics': metrics})
        else:
            options.add_argument('--window-size=1280,800')
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        self.driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)

    def quit(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def cdp(self, method, **parameters):
        return self.driver.execute_cdp_cmd(method, parameters)

    def nodes(self, role, name=None):
        """The shown accessibility nodes of the role (and name), in document order."""
        root = self.cdp('DOM.getDocument', depth=0)['root']['nodeId']
        query = {'nodeId': root, 'role': role}
        if name is not None:
            query['accessibleName'] = name
        return [node for node in self.cdp('Accessibility.queryAXTree', **query)['nodes'] if not node.get('ignored')]

    def found(self, role, name=None):
        """The elements of those nodes."""
        elements = []
        for node in self.nodes(role, name):
            handle = self.cdp('DOM.resolveNode', backendNodeId=node['backendDOMNodeId'])['object']['objectId']
            self.cdp('Runtime.callFunctionOn', objectId=handle, functionDeclaration='function () { window.axFound = this; }')
            elements.append(self.driver.execute_script('const found = window.axFound; delete window.axFound; return found;'))
        return elements

    def one(self, role, name=None):
        elements = self.found(role, name)
        if len(elements) != 1:
            raise AssertionError(f'expected one {role} named {name!r}, found {len(elements)}')
        return elements[0]

    def wait(self, what, condition, seconds=10):
        return WebDriverWait(self.driver, seconds, poll_frequency=0.02).until(lambda _: condition(), what)

    def console_errors(self):
        return [entry['message'] for entry in self.driver.get_log('browser') if entry['level'] == 'SEVERE']


class PageTest(unittest.TestCase):
    """A browser on the served site for each test class; no console error allowed."""

    phone = None

    @classmethod
    def setUpClass(cls):
        cls.server = Server(Site)
        cls.browser = Browser(cls.phone)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.stop()

    def tearDown(self):
        self.assertEqual([], self.browser.console_errors(), 'errors in the console')

    def open(self, url=None):
        """Loads the page (or loads it again) and waits for the first deal."""
        self.faces = None
        if url == 'again':
            self.browser.driver.refresh()
        else:
            self.browser.driver.get(url or self.server.url)
        self.browser.wait('a dealt hand', lambda: len(self.shown_hand()) == 4)

    def shown_hand(self):
        """The faces' values, as their text alternatives give them."""
        if not self.faces:
            faces = [face for face in self.browser.found('image') if face.get_attribute('alt')]
            self.faces = faces if len(faces) == 4 else None
            if not self.faces:
                return []
        return self.browser.driver.execute_script('return arguments[0].map((face) => face.alt);', self.faces)
