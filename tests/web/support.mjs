// Helpers of the browser test: the game's bitmaps and a static server.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';

// A 24-bit bitmap as the game's generator writes it (bottom-up rows).
export function readBmp(file) {
  const b = fs.readFileSync(file);
  const offset = b.readUInt32LE(10);
  const width = b.readInt32LE(18);
  const height = b.readInt32LE(22);
  const stride = Math.ceil((width * 3) / 4) * 4;
  return {
    width, height,
    pixel(x, y) {
      const i = offset + (height - 1 - y) * stride + x * 3;
      return (b[i + 2] << 16) | (b[i + 1] << 8) | b[i];
    },
  };
}

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.css': 'text/css', '.data': 'application/octet-stream', '.HTML': 'text/html' };

// Serves a folder from 127.0.0.1 on a free port.
export function serveSite(root) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(root, name.endsWith('/') ? name + 'index.html' : name);
    if (!file.startsWith(root) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}
