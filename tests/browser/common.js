'use strict';
// Shared helpers for the browser checks: run the tool, serve a folder on
// 127.0.0.1, start headless Chromium, and redo the linker's draw so the
// expected addresses never come from the page under test.
const fs = require('fs');
const os = require('os');
const path = require('path');
const http = require('http');
const zlib = require('zlib');
const { execFileSync } = require('child_process');

const SKIP = 77;

function skipOrFail(reason) {
  // On a fresh clone the suite must still pass without the browser; under CI
  // a missing piece means the setup is broken, so it must fail loudly.
  if (process.env.CI === 'true') {
    console.log('FAIL: ' + reason + ' (CI=true, so this is an error)');
    process.exit(1);
  }
  console.log('SKIP: ' + reason);
  process.exit(SKIP);
}

function loadPlaywright() {
  try {
    return require('playwright-core');
  } catch (e) {
    skipOrFail('playwright-core is not installed; run "npm ci" in tests/browser');
  }
}

function chromiumPath() {
  const p = process.env.CHROMIUM || '/usr/bin/chromium';
  if (!fs.existsSync(p)) skipOrFail('Chromium not found at ' + p);
  return p;
}

async function launch() {
  const { chromium } = loadPlaywright();
  const exe = chromiumPath();
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zuva-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: exe,
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
      '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--disable-quic'],
    timeout: 60000,
  });
  const close = async () => {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return { context, close };
}

function runTool(bin, args, cwd) {
  // The tool waits for a key at the end; an empty stdin lets it return at once.
  return execFileSync(bin, args, { cwd, input: '', timeout: 20000 }).toString();
}

// Same rules the tool uses for links files: \n or \r\n, Ctrl-Z ends, BOM skipped,
// keyword lines in any case, empty lines skipped, entries kept as written.
function parseLinks(buf) {
  let s = buf.toString('latin1');
  if (s.startsWith('\xEF\xBB\xBF')) s = s.slice(3);
  const z = s.indexOf('\x1A');
  if (z >= 0) s = s.slice(0, z);
  const ignore = new Set();
  const links = [];
  let section = null;
  for (let line of s.split('\n')) {
    if (line.endsWith('\r')) line = line.slice(0, -1);
    if (line === '') continue;
    const low = line.toLowerCase();
    if (low === '#ignore') { section = 'i'; continue; }
    if (low === '#links') { section = 'l'; continue; }
    if (section === 'i') { if (line.length === 1) ignore.add(line.charCodeAt(0)); }
    else if (section === 'l') links.push(line);
  }
  return { ignore, links };
}

function pictureRows(buf) {
  let s = buf.toString('latin1');
  if (s.startsWith('\xEF\xBB\xBF')) s = s.slice(3);
  const z = s.indexOf('\x1A');
  if (z >= 0) s = s.slice(0, z);
  const rows = s.split('\n').map((l) => (l.endsWith('\r') ? l.slice(0, -1) : l));
  if (rows.length && rows[rows.length - 1] === '') rows.pop();
  return rows.filter((r) => r !== '');
}

function makePicker(n) {
  let state = 1;
  return () => {
    state = (Math.imul(state, 214013) + 2531011) >>> 0;
    const r = (state >>> 16) & 0x7fff;
    return Math.floor((r * 3.0518509447574615e-05) * n);
  };
}

// A w x h RGB PNG of one colour, built by hand so no image files are needed.
function makePng(w, h, rgb) {
  const crcTable = [];
  for (let n = 0; n < 256; n++) {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    crcTable[n] = c >>> 0;
  }
  const crc = (b) => {
    let c = 0xffffffff;
    for (const x of b) c = crcTable[(c ^ x) & 0xff] ^ (c >>> 8);
    return (c ^ 0xffffffff) >>> 0;
  };
  const chunk = (type, data) => {
    const len = Buffer.alloc(4); len.writeUInt32BE(data.length);
    const td = Buffer.concat([Buffer.from(type, 'ascii'), data]);
    const c = Buffer.alloc(4); c.writeUInt32BE(crc(td));
    return Buffer.concat([len, td, c]);
  };
  const ihdr = Buffer.alloc(13);
  ihdr.writeUInt32BE(w, 0); ihdr.writeUInt32BE(h, 4);
  ihdr[8] = 8; ihdr[9] = 2; ihdr[10] = 0; ihdr[11] = 0; ihdr[12] = 0;
  const raw = [];
  for (let y = 0; y < h; y++) { raw.push(0); for (let x = 0; x < w; x++) raw.push(...rgb); }
  return Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    chunk('IHDR', ihdr), chunk('IDAT', zlib.deflateSync(Buffer.from(raw))),
    chunk('IEND', Buffer.alloc(0)),
  ]);
}

// Serves one folder on 127.0.0.1 with a port the system picks; unknown paths are 404.
function serve(dir) {
  return new Promise((resolve) => {
    const server = http.createServer((req, res) => {
      const name = decodeURIComponent(req.url.split('?')[0]).replace(/^\/+/, '');
      const file = path.join(dir, name);
      if (name.includes('..') || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
        res.writeHead(404); res.end('not found'); return;
      }
      const type = file.endsWith('.png') ? 'image/png' : 'text/html';
      res.writeHead(200, { 'Content-Type': type });
      res.end(fs.readFileSync(file));
    });
    server.listen(0, '127.0.0.1', () => {
      const base = 'http://127.0.0.1:' + server.address().port + '/';
      resolve({ base, close: () => new Promise((r) => server.close(r)) });
    });
  });
}

// The start of every check: the tool named on the command line (resolved
// here, as it runs inside a scratch folder), the browser, and a scratch
// folder served on 127.0.0.1.
async function setUp(prefix) {
  const bin = process.argv[2] && path.resolve(process.argv[2]);
  if (!bin || !fs.existsSync(bin)) { console.log('FAIL: no tool binary given'); process.exit(1); }
  const { context, close } = await launch();
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), prefix));
  const server = await serve(dir);
  return { bin, context, close, dir, server };
}

// The end of every check: the browser, the server and the scratch folder go
// whatever happened.
async function teardown({ close, server, dir }) {
  await close();
  await server.close();
  fs.rmSync(dir, { recursive: true, force: true });
}

// Runs a check's async main; prints the counts it returns and exits with the
// outcome, or fails on anything thrown.
function runCheck(main) {
  main().then(({ passed, failed }) => {
    console.log(`${passed} passed, ${failed} failed`);
    process.exit(failed ? 1 : 0);
  }, (e) => { console.log('FAIL: ' + (e && e.stack || e)); process.exit(1); });
}

module.exports = {
  SKIP, skipOrFail, launch, runTool, parseLinks, pictureRows, makePicker, makePng, serve,
  setUp, teardown, runCheck,
};
