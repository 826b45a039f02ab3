#!/usr/bin/python3
"""The page played in headless Chromium as a player plays it: by the accessible roles
and names of its parts, with the keyboard, the mouse or a phone's touch keypad; its
verdicts and lists held against veltro-cli's for the same hands and texts."""

import os
import shutil
import subprocess
import tempfile
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from browser import Cli, PageTest, Server, Site

Answer = '在此输入结果'
Gbk = 'gbk'


def window_bytes(text):
    """The bytes the window's GetWindowTextA gives for a typed text: each UTF-16 unit in
    code page 936, or "?" where it has none (an emoji, two units, is "??")."""
    units = text.encode('utf-16-le')
    out = b''
    for i in range(0, len(units), 2):
        unit = units[i:i + 2].decode('utf-16-le', errors='replace')
        try:
            out += unit.encode(Gbk) if unit != '\ufffd' else b'?'
        except UnicodeEncodeError:
            out += b'?'
    return out


def cli(*arguments, given=b''):
    if not os.access(Cli, os.X_OK):
        raise AssertionError(f'{Cli} is missing: build the native preset first')
    return subprocess.run([Cli, *arguments], input=given, capture_output=True, check=True).stdout


def cli_verdicts(hand, texts):
    """veltro-cli check's verdict ("headline / detail", in bytes) for each text as the window reads it."""
    given = b''.join(window_bytes(text) + b'\n' for text in texts)
    lines = cli('check', *map(str, hand), given=given).split(b'\n')[:-1]
    return [line.split(b'\t')[3] for line in lines]


class Game(PageTest):
    """What a player does, as helpers: each returns what the player then sees. The
    page keeps its elements, so each is looked up by its role and name once a load."""

    def open(self, url=None):
        self.looked_up = {}
        super().open(url)

    def one(self, role, name=None):
        if (role, name) not in self.looked_up:
            self.looked_up[role, name] = self.browser.one(role, name)
        return self.looked_up[role, name]

    def button(self, name):
        return self.one('button', name)

    def answer_field(self):
        return self.one('textbox', Answer)

    def type_answer(self, text):
        """The text put into the field at once, as a paste does."""
        field = self.answer_field()
        self.browser.driver.execute_script(
            "arguments[0].value = arguments[1]; arguments[0].dispatchEvent(new Event('input'));", field, text)
        return field

    def verdict(self):
        """The shown verdict: its name, the headline, and its description, the detail (read
        as the page shows it, where a name would fold its spaces)."""
        dialog = self.browser.wait('the verdict', lambda: self.browser.found('alertdialog'))[0]
        return dialog.accessible_name + ' / ' + self.browser.driver.execute_script(
            "return document.getElementById(arguments[0].getAttribute('aria-describedby')).textContent;", dialog)

    def dismiss(self):
        ActionChains(self.browser.driver).send_keys(Keys.ESCAPE).perform()
        self.browser.wait('the verdict closed', lambda: not self.browser.nodes('alertdialog'))

    def submit(self, text):
        """The verdict on the text, shown and then closed with Escape."""
        self.type_answer(text)
        self.button('提交').click()
        shown = self.verdict()
        self.dismiss()
        return shown

    def play_hand(self, hand):
        self.button('自定义牌面').click()
        for name, value in zip(('左上', '右上', '左下', '右下'), hand):
            self.one('textbox', name).send_keys(str(value))
        self.button('确定').click()
        self.browser.wait(f'the hand {hand}', lambda: self.shown_hand() == [str(value) for value in hand])

    def solution_lines(self):
        self.button('显示结果').click()
        return self.browser.driver.execute_script(
            'return [...arguments[0].children].map((item) => item.textContent);', self.one('list', '全部解法'))


class PlayThrough(Game):
    """A deal played through on a desktop's screen."""

    def setUp(self):
        self.open()

    def test_a_right_answer_is_congratulated_and_a_new_deal_follows_by_itself(self):
        self.play_hand([1, 2, 3, 4])
        self.button('显示结果').click()
        field = self.answer_field()
        field.send_keys('(1+2+3)*4', Keys.ENTER)
        self.assertEqual('祝贺你 / 开始下一局...', self.verdict())
        self.browser.wait('the verdict closing by itself', lambda: not self.browser.nodes('alertdialog'), seconds=3)
        self.assertEqual('', field.get_attribute('value'), 'the next deal empties the answer')
        self.assertEqual('true', self.button('提交').get_attribute('disabled'))
        self.assertIsNone(self.button('显示结果').get_attribute('disabled'), 'the next deal enables 显示结果')
        self.assertEqual([], self.one('list', '全部解法').find_elements('tag name', 'li'))
        dealt = [int(value) for value in self.shown_hand()]
        self.assertTrue(set(dealt) <= set(range(1, 14)), dealt)
        self.assertLess(dealt.count(dealt[0]), 4, 'the sleeps between the draws advance the clock they read')

    def test_a_wrong_or_invalid_answer_leaves_the_deal_and_selects_a_bad_character(self):
        self.play_hand([3, 3, 8, 8])
        for text, shown, selected in [
            ('8/(3-8/3)', '很遗憾！ / 你的答案不正确', None),  # 24.0000057 in single precision
            ('8//3+3+8', '不是合法的表达式! / 位置:2 原因:/ 不能跟在 / 后面', (2, 3)),
            ('*8+3', '不是合法的表达式! / * 不能作为第一个字符', (0, 1)),
        ]:
            self.assertEqual(shown, self.submit(text), text)
            field = self.answer_field()
            self.assertEqual(text, field.get_attribute('value'))
            self.assertEqual(['3', '3', '8', '8'], self.shown_hand())
            if selected:
                self.assertEqual(list(selected), self.browser.driver.execute_script(
                    'return [arguments[0].selectionStart, arguments[0].selectionEnd];', field), text)

    def test_submit_is_enabled_exactly_while_the_field_holds_text(self):
        field = self.answer_field()
        submit = self.button('提交')
        self.assertEqual('true', submit.get_attribute('disabled'))
        field.send_keys(' ')
        self.assertIsNone(submit.get_attribute('disabled'), 'a space enables 提交')
        field.send_keys(Keys.BACKSPACE)
        self.assertEqual('true', submit.get_attribute('disabled'))

    def test_show_results_lists_the_solutions_once_a_deal(self):
        self.play_hand([3, 3, 8, 8])
        self.assertEqual(['没有答案'], self.solution_lines())
        self.assertEqual('true', self.button('显示结果').get_attribute('disabled'))
        self.button('发牌').click()
        self.assertIsNone(self.button('显示结果').get_attribute('disabled'))

    def test_the_custom_hand_takes_two_digits_and_keeps_a_field_until_it_holds_0_to_13(self):
        self.play_hand([1, 2, 3, 4])
        self.button('自定义牌面').click()
        top_left, top_right = self.browser.one('textbox', '左上'), self.browser.one('textbox', '右上')
        top_left.send_keys('1a47')
        self.assertEqual('14', top_left.get_attribute('value'), 'a letter and a third digit refused')
        top_left.send_keys(Keys.TAB)
        self.browser.wait('the focus kept in the field holding 14', lambda: self.focused() == top_left)
        self.assertEqual(2, self.browser.driver.execute_script('return arguments[0].selectionEnd;', top_left))
        top_left.send_keys('13', Keys.TAB)
        self.browser.wait('the focus leaving the field holding 13', lambda: self.focused() == top_right)
        self.button('确定').click()
        self.assertTrue(self.browser.nodes('dialog', '自定义牌面'), 'OK with empty fields keeps the dialog open')
        for name in ('右上', '左下', '右下'):
            self.browser.one('textbox', name).send_keys('0')
        self.button('确定').click()
        self.browser.wait('the custom hand', lambda: self.shown_hand() == ['13', '0', '0', '0'])
        self.button('自定义牌面').click()
        self.browser.one('textbox', '左上').send_keys('7')
        self.button('取消').click()
        self.assertEqual(['13', '0', '0', '0'], self.shown_hand(), 'cancel leaves the hand')

    def test_help_and_about_open_from_the_menu_and_stay_until_closed(self):
        for item, text, close in [('帮助', '单位是秒', Keys.ESCAPE), ('关于', 'veltro@example.org', Keys.ENTER)]:
            self.button('菜单').click()
            self.browser.one('menuitem', item).click()
            dialog = self.browser.one('dialog', item)
            self.assertIn(text, dialog.text)
            self.assertTrue(self.browser.nodes('dialog', item), f'{item} closed unasked')
            ActionChains(self.browser.driver).send_keys(close).perform()
            self.browser.wait(f'{item} closed', lambda: not self.browser.nodes('dialog', item))

    def test_the_seconds_count_the_deal_from_0(self):
        timer = self.browser.one('timer', '本局用时（秒）')
        self.browser.wait('a second counted', lambda: timer.text == '1', seconds=3)
        self.button('发牌').click()
        self.assertEqual('0', timer.text)

    def test_every_action_is_reached_from_the_keyboard(self):
        reached = []
        for _ in range(12):
            ActionChains(self.browser.driver).send_keys(Keys.TAB).perform()
            reached.append(self.focused().accessible_name)
        for name in ('菜单', Answer, '显示结果', '自定义牌面', '发牌'):
            self.assertIn(name, reached)

    def test_the_pages_texts_keep_aa_contrast(self):
        """Each shown text against the first background behind it: 4.5 to 1 at least
        (a disabled control is exempt), with the menu open."""
        self.button('菜单').click()
        low = self.browser.driver.execute_script('''
            const rgb = (colour) => colour.match(/[\\d.]+/g).map(Number);
            const linear = (v) => (v /= 255) <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4;
            const luminance = ([r, g, b]) => 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
            const behind = (element) => {
                for (; element; element = element.parentElement) {
                    const colour = rgb(getComputedStyle(element).backgroundColor);
                    if (colour.length < 4 || colour[3] > 0) return colour;
                }
                return [255, 255, 255];
            };
            const low = [];
            for (const element of document.querySelectorAll('body *')) {
                const text = [...element.childNodes].some((node) => node.nodeType === 3 && node.textContent.trim());
                if (!text || element.disabled || !element.checkVisibility()) continue;
                const [light, dark] = [luminance(rgb(getComputedStyle(element).color)), luminance(behind(element))]
                    .sort((a, b) => b - a);
                const ratio = (light + 0.05) / (dark + 0.05);
                if (ratio < 4.5) low.push(`${element.textContent.trim()}: ${ratio.toFixed(2)}`);
            }
            return low;''')
        self.assertEqual([], low)

    def focused(self):
        return self.browser.driver.switch_to.active_element


def hands_and_texts():
    """At least 200 texts on 25 hands: each hand's solutions, and each of them
    changed the ways a player gets an answer wrong or malformed."""
    cases = [([3, 3, 8, 8], ['8/(3-8/3)', '8+8+3+3', '8/(3-3)*8', '8//3+3+8', '8(3', '*8+3', '8*3+', '(8*3', '8*3',
                             '8+3+1+1', '8*3 3 8', '(8*3)(3*8)', '8*(3)*3*8', ' ', '   8*3*3/8   ', '0+8*3*3/8'])]
    hands = [[1, 2, 3, 4], [1, 1, 1, 1], [12, 12, 12, 12], [1, 4, 5, 6], [2, 12, 13, 13], [13, 13, 13, 13], [5, 5, 5, 1],
             [3, 8, 13, 13], [4, 6, 13, 13], [1, 2, 12, 12], [7, 7, 3, 3], [2, 2, 2, 9], [10, 10, 4, 4], [6, 6, 6, 6],
             [9, 8, 7, 6], [1, 5, 11, 13], [2, 3, 5, 7], [4, 4, 10, 10], [11, 11, 1, 2], [1, 3, 4, 6], [2, 7, 8, 11],
             [5, 6, 9, 12], [8, 8, 8, 8], [3, 9, 12, 1]]
    for hand in hands:
        solutions = cli('solve', *map(str, hand)).decode().split('\n')[:-1][:3] or ['+'.join(map(str, hand))]
        first = solutions[0]
        texts = solutions + [first.replace('*', '/', 1), first.replace('(', '', 1), first + '+', ' ' * 25 + first,
                             first.replace(str(hand[0]), '0', 1), first[::-1]]
        cases.append((hand, texts))
    return cases


class SameAsTheWindow(Game):
    """The page's verdicts and lists are the window's, as veltro-cli gives them."""

    def setUp(self):
        self.open()

    def test_verdicts_match_veltro_cli_for_a_table_of_hands_and_texts(self):
        count = 0
        for hand, texts in hands_and_texts():
            self.play_hand(hand)
            for text, expected in zip(texts, cli_verdicts(hand, texts)):
                self.assertEqual(expected.decode(), self.submit(text), f'{hand} {text!r}')
                count += 1
                if expected.startswith('祝贺你'.encode()):
                    self.play_hand(hand)  # after the next deal
        self.assertGreaterEqual(count, 200)

    def test_texts_beyond_ascii_get_the_windows_bytes_and_positions(self):
        """The window reads code page 936: a full-width character is two bytes, one GBK
        lacks is "?", and the 29th byte may be the first of a pair."""
        self.play_hand([1, 2, 3, 4])
        for text, shown in [
            ('（1+2+3）*4', '（ 不能作为第一个字符'),
            ('4*（1+2+3）', '位置:2 原因:（ 不能跟在 * 后面'),
            ('丂+1+2+3+4', '丂 不能作为第一个字符'),  # a trail byte below 0x80
            ('1+😀', '位置:2 原因:? 不能跟在 + 后面'),
            ('1*2*3*4 é', '位置:8 原因:é 不能跟在   后面'),
            ('1*2*3*4€', '位置:7 原因:€ 不能跟在 4 后面'),
            ('1*2*3*4\u00a0', '位置:7 原因:? 不能跟在 4 后面'),
            ('1*2*3*4' + ' ' * 21 + '中文', '位置:28 原因:?不能跟在   后面'),  # its lead byte, shown with the space
            ('1*2*3*4' + ' ' * 20 + '中文', '位置:27 原因:中 不能跟在   后面'),
            ('(1+2+3)*4' + ' ' * 20 + '（', '祝贺你 / 开始下一局...'),  # cut before the 30th byte
        ]:
            expected = shown if ' / ' in shown else '不是合法的表达式! / ' + shown
            self.assertEqual(expected, self.submit(text), text)
            if expected.startswith('祝贺你'):
                self.play_hand([1, 2, 3, 4])

    def test_solution_lists_match_veltro_cli_for_50_hands(self):
        every = [[a, b, c, d] for a in range(1, 14) for b in range(a, 14) for c in range(b, 14) for d in range(c, 14)]
        hands = every[::40] + [[3, 3, 8, 8], [12, 12, 12, 12], [0, 0, 0, 0], [13, 1, 0, 12]]
        self.assertGreaterEqual(len(hands), 50)
        for hand in hands:
            self.play_hand(hand)
            expected = cli('list', *map(str, hand)).decode().split('\n')[:-1]
            self.assertEqual(expected, self.solution_lines(), hand)


class Phone(Game):
    """360 x 640 with touch: the whole game on the screen, played with the keypad."""

    phone = (360, 640)

    def setUp(self):
        self.open()

    def test_nothing_scrolls_sideways_and_every_control_is_on_the_screen_and_44_pixels_tall(self):
        driver = self.browser.driver
        self.assertEqual(self.phone[0], driver.execute_script('return document.documentElement.scrollWidth;'))
        for role in ('button', 'textbox'):
            for control in self.browser.found(role):
                box = control.rect
                name = control.accessible_name or control.text
                self.assertGreaterEqual(box['height'], 44, name)
                self.assertTrue(0 <= box['x'] and box['x'] + box['width'] <= self.phone[0], f'{name} at {box}')

    def test_the_keypad_types_the_cards_and_operators_and_deletes(self):
        self.play_hand([1, 2, 3, 13])
        keypad = self.browser.one('group', '输入键盘')
        keys = {key.accessible_name: key for key in keypad.find_elements('tag name', 'button')}
        self.assertEqual(['1', '2', '3', '13', '+', '-', '*', '/', '(', ')', '删除'], list(keys))
        for name in ['(', '13', '-', '1', '/', '删除', '*', '3', ')', '-', '2']:
            keys[name].click()
        self.assertEqual('(13-1*3)-2', self.answer_field().get_attribute('value'))
        self.assertIsNone(self.button('提交').get_attribute('disabled'))
        self.button('提交').click()
        self.assertEqual('很遗憾！ / 你的答案不正确', self.verdict())

    def test_a_focused_field_is_not_zoomed(self):
        size = self.browser.driver.execute_script('return getComputedStyle(arguments[0]).fontSize;', self.answer_field())
        self.assertGreaterEqual(float(size.removesuffix('px')), 16)


class SmallPhone(Phone):
    phone = (320, 568)


class Offline(Game):
    """Once loaded, the page plays with the site gone; a new site replaces the old."""

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix='veltro-site-')
        shutil.copytree(Site, self.folder, dirs_exist_ok=True)
        self.site = Server(self.folder)

    def tearDown(self):
        self.site.stop()
        shutil.rmtree(self.folder)
        super().tearDown()

    def wait_for_the_copy(self):
        self.browser.driver.execute_async_script(
            'navigator.serviceWorker.ready.then(() => arguments[arguments.length - 1]());')

    def test_the_game_plays_offline_after_one_load(self):
        self.open(self.site.url)
        self.wait_for_the_copy()
        self.site.stop()
        self.open('again')
        self.play_hand([1, 2, 3, 4])
        lines = self.solution_lines()
        self.assertEqual((80, '(1+2+3)*4'), (len(lines), lines[0]))
        self.assertEqual('祝贺你 / 开始下一局...', self.submit('4*3*2*1'))
        faces = self.browser.driver.execute_async_script('''
            const done = arguments[arguments.length - 1];
            const faces = Array.from({length: 13}, (_, i) => fetch(`faces/${i + 1}.svg`).then((r) => r.ok, () => false));
            Promise.all(faces).then(done);''')
        self.assertEqual([True] * 13, faces, 'every face, not only those shown before')

    def test_the_page_installs_as_an_app(self):
        self.open(self.site.url)
        self.wait_for_the_copy()
        manifest = self.browser.cdp('Page.getAppManifest')
        self.assertEqual([], manifest['errors'])
        self.assertEqual([], self.browser.cdp('Page.getInstallabilityErrors')['installabilityErrors'])

    def test_a_new_site_replaces_the_old_on_the_next_load(self):
        self.open(self.site.url)
        self.wait_for_the_copy()
        page = os.path.join(self.folder, 'index.html')
        with open(page, encoding='utf-8') as file:
            text = file.read()
        with open(page, 'w', encoding='utf-8') as file:
            file.write(text.replace('<h1>Veltro</h1>', '<h1>Veltro 2</h1>'))
        self.open('again')
        self.assertEqual('Veltro 2', self.browser.one('heading').text)

    def test_nothing_is_fetched_from_elsewhere_and_nothing_kept_but_the_sites_copy(self):
        self.open(self.site.url)
        self.wait_for_the_copy()
        fetched = self.browser.driver.execute_script(
            'return performance.getEntriesByType("resource").map((entry) => entry.name);')
        self.assertEqual([], [url for url in fetched if not url.startswith(self.site.url)])
        kept = self.browser.driver.execute_async_script('''
            const done = arguments[arguments.length - 1];
            Promise.all([caches.keys(), indexedDB.databases()]).then(([copies, databases]) => done(
                {copies: copies.map((name) => name.replace(/[0-9a-f]{16}$/, '')), databases: databases.length,
                 storage: localStorage.length + sessionStorage.length, cookies: document.cookie}));''')
        self.assertEqual({'copies': ['veltro-'], 'databases': 0, 'storage': 0, 'cookies': ''}, kept)


if __name__ == '__main__':
    unittest.main()
