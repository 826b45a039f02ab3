#!/usr/bin/python3
"""Renders the page (build/web/site) in headless Chromium as the window's screenshots
show the window: the hand 1 5 10 13, an answer typed and the solutions listed; on a
desktop's screen (page-desktop.png) and on a phone's, 360 x 640 at 3 device pixels a
CSS pixel, with the keypad (page-phone.png) and with a verdict (page-phone-verdict.png).
Written to docs/screenshots/."""

import os
import sys

Root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
sys.path.insert(0, os.path.join(Root, 'web', 'tests'))
from selenium.webdriver.common.keys import Keys  # noqa: E402

from browser import Browser, Server  # noqa: E402

Shots = os.path.join(Root, 'docs', 'screenshots')


def stage(browser, url, answer):
    """The hand 1 5 10 13 with its list and the answer typed, in the deal's first second."""
    driver = browser.driver
    driver.get(url)
    browser.wait('the first deal', lambda: browser.found('image', '1') or browser.found('image'))
    browser.one('button', '自定义牌面').click()
    for name, value in zip(('左上', '右上', '左下', '右下'), ('1', '5', '10', '13')):
        browser.one('textbox', name).send_keys(value)
    browser.one('button', '确定').click()
    browser.one('button', '显示结果').click()
    browser.one('textbox', '在此输入结果').send_keys(answer)
    driver.execute_script('window.scrollTo(0, 0); document.activeElement.blur();')


def main():
    server = Server(os.path.join(Root, 'build', 'web', 'site'))
    try:
        for name, phone in (('page-desktop.png', None), ('page-phone.png', (360, 640))):
            browser = Browser(phone)
            try:
                stage(browser, server.url, '(13-1)*(10/5)')
                browser.driver.save_screenshot(os.path.join(Shots, name))
                if phone:
                    browser.one('button', '提交').click()
                    browser.wait('the verdict', lambda: browser.found('alertdialog'))
                    browser.driver.save_screenshot(os.path.join(Shots, 'page-phone-verdict.png'))
            finally:
                browser.quit()
    finally:
        server.stop()


if __name__ == '__main__':
    main()
