'use strict';
// Makes docs/example-page.png and docs/test-page.png as headless Chromium
// renders them. Usage: node tests/browser/screenshots.js build/zuvaridaviredoz
const fs = require('fs');
const os = require('os');
const path = require('path');
const c = require('./common');

async function main() {
  const bin = path.resolve(process.argv[2] || 'build/zuvaridaviredoz');
  const root = path.resolve(__dirname, '..', '..');
  const docs = path.join(root, 'docs');
  fs.mkdirSync(docs, { recursive: true });
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zuva-shots-'));
  const server = await c.serve(dir);
  const { context, close } = await c.launch();
  try {
    fs.copyFileSync(path.join(root, 'examples/picture.txt'), path.join(dir, 'picture.txt'));
    fs.copyFileSync(path.join(root, 'examples/links.txt'), path.join(dir, 'example-links.txt'));
    c.runTool(bin, ['-g', 'picture.txt', 'example.html', 'example-links.txt'], dir);
    const colours = { red: [220, 40, 40], green: [40, 160, 60], blue: [40, 80, 220] };
    for (const [name, rgb] of Object.entries(colours)) fs.writeFileSync(path.join(dir, name + '.png'), c.makePng(48, 32, rgb));
    const links = ['red', 'green', 'blue', 'missing'].map((n) => server.base + n + '.png');
    fs.writeFileSync(path.join(dir, 'links.txt'), '#ignore\n~\n#links\n' + links.join('\n') + '\n');
    c.runTool(bin, ['-t', 'test.html', 'links.txt'], dir);
    const page = await context.newPage();
    await page.setViewportSize({ width: 640, height: 300 });
    await page.goto(server.base + 'example.html');
    await page.screenshot({ path: path.join(docs, 'example-page.png'), fullPage: true });
    await page.setViewportSize({ width: 640, height: 400 });
    await page.goto(server.base + 'test.html', { waitUntil: 'load' });
    await page.screenshot({ path: path.join(docs, 'test-page.png'), fullPage: true });
    await page.close();
  } finally {
    await close();
    await server.close();
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

main().catch((e) => { console.log(e && e.stack || e); process.exit(1); });
