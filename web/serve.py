#!/usr/bin/python3
"""Serves a folder (by default build/web/site) on 127.0.0.1 as a static host would:
each file with its type, compressed with gzip where the browser takes it, and cached
by the browser only as long as its tag says it is unchanged.

usage: web/serve.py [--port PORT] [FOLDER]    (PORT 0: any free port, which it names)
"""

import argparse
import functools
import gzip
import hashlib
import http.server
import io
import os
import sys

Types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
    '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json',
}
Compressed = {'.html', '.js', '.css', '.svg', '.wasm', '.webmanifest'}


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, 'index.html')
        extension = os.path.splitext(path)[1]
        if not os.path.isfile(path) or extension not in Types:
            self.send_error(404)
            return None
        with open(path, 'rb') as file:
            body = file.read()
        tag = '"%s"' % hashlib.sha256(body).hexdigest()[:16]
        if self.headers.get('If-None-Match') == tag:
            self.send_response(304)
            self.send_header('ETag', tag)
            self.end_headers()
            return None
        gzipped = extension in Compressed and 'gzip' in self.headers.get('Accept-Encoding', '')
        if gzipped:
            body = gzip.compress(body, 9, mtime=0)
        self.send_response(200)
        self.send_header('ETag', tag)
        self.send_header('Content-Type', Types[extension])
        self.send_header('Content-Length', str(len(body)))
        self.send_header('Cache-Control', 'no-cache')
        if gzipped:
            self.send_header('Content-Encoding', 'gzip')
        self.end_headers()
        return io.BytesIO(body)

    def log_message(self, *arguments):
        pass


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, address):
        # A browser that stops a download it no longer needs is no fault of the site's.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, address)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--port', type=int, default=int(os.environ.get('VELTRO_WEB_PORT', 8024)))
    parser.add_argument('folder', nargs='?', default=os.path.join(os.path.dirname(__file__), '..', 'build', 'web', 'site'))
    options = parser.parse_args()
    handler = functools.partial(SiteHandler, directory=os.path.abspath(options.folder))
    server = Server(('127.0.0.1', options.port), handler)
    print(f'Serving {os.path.relpath(options.folder)} on http://127.0.0.1:{server.server_address[1]}/ until Ctrl+C', flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == '__main__':
    sys.exit(main())
