#!/usr/bin/python3
"""The page's figures, printed (not a test): the first load's bytes over the wire, gzip
compressed as a static host sends them; the time from navigation to a dealt hand, in a
running browser from which the site's data and cache are cleared before each load; and
the search over all 1820 hands in WebAssembly. Run by scripts/bench-web.sh.

usage: bench/web/page_bench.py [LOADS]"""

import os
import statistics
import sys

Root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
sys.path.insert(0, os.path.join(Root, 'web', 'tests'))
from browser import Browser, Server  # noqa: E402

# Set before the page's own scripts run: the moment its four faces are drawn.
WatchTheDeal = '''
(function watch() {
    const faces = [...document.querySelectorAll('.cards img')];
    if (faces.length === 4 && faces.every((face) => face.alt && face.complete && face.currentSrc))
        window.dealtAt = performance.now();
    else
        requestAnimationFrame(watch);
})();'''

SearchInThePage = '''
const done = arguments[arguments.length - 1];
const imports = {env: {emscripten_notify_memory_growth() {}}, wasi_snapshot_preview1: {proc_exit() {}}};
WebAssembly.instantiateStreaming(fetch('../bench/search_all_hands.wasm'), imports).then(({instance}) => {
    instance.exports._initialize();
    let fastest = Infinity, texts = 0;
    for (let run = 0; run < 15; ++run) {
        const start = performance.now();
        texts = instance.exports.SearchAllHands();
        fastest = Math.min(fastest, performance.now() - start);
    }
    done([fastest, texts]);
});'''


def first_load(browser, url):
    """The page loaded as for the first time: nothing of the site cached, no service worker."""
    origin = url.split('/site/')[0]
    browser.driver.get('about:blank')
    browser.cdp('Storage.clearDataForOrigin', origin=origin, storageTypes='all')
    browser.cdp('Network.clearBrowserCache')
    browser.driver.get(url)
    dealt = browser.driver.execute_async_script('''
        const done = arguments[arguments.length - 1];
        (function wait() { window.dealtAt ? done(window.dealtAt) : setTimeout(wait, 5); })();''')
    sizes = browser.driver.execute_script('''
        return [...performance.getEntriesByType('navigation'), ...performance.getEntriesByType('resource')]
            .map((entry) => [entry.name, entry.transferSize]);''')
    return dealt, sizes


def main():
    loads = int(sys.argv[1]) if len(sys.argv) > 1 else 5
    server = Server(os.path.join(Root, 'build', 'web'))
    browser = Browser()
    try:
        browser.cdp('Network.enable')
        browser.cdp('Page.addScriptToEvaluateOnNewDocument', source=WatchTheDeal)
        first_load(browser, server.url + 'site/')  # the browser's own first navigation, not counted
        runs = [first_load(browser, server.url + 'site/') for _ in range(loads)]
        search = browser.driver.execute_async_script(SearchInThePage)
    finally:
        browser.quit()
        server.stop()
    dealt = [run[0] for run in runs]
    sizes = runs[0][1]
    print(f'first load: {sum(size for _, size in sizes) / 1000:.1f} kB over the wire in {len(sizes)} requests:')
    for name, size in sorted(sizes, key=lambda entry: -entry[1]):
        print(f'  {size / 1000:6.1f} kB  {name.split("/site/")[-1] or "(the page)"}')
    print(f'navigation to a dealt hand: {min(dealt):.0f} ms fastest, {statistics.median(dealt):.0f} median, '
          f'{max(dealt):.0f} slowest of {loads} first loads in a running browser')
    print(f'WebAssembly: {search[0]:.1f} ms, the fastest of 15 searches of all 1820 hands ({search[1]} texts)')


if __name__ == '__main__':
    main()
