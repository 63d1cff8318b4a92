'use strict';
// Serves three images made here plus one missing address on 127.0.0.1, writes
// the test page for them and checks in headless Chromium that the served
// images load, the missing one does not, and every address is a link to itself.
const fs = require('fs');
const path = require('path');
const c = require('./common');


async function main() {
  const env = await c.setUp('zuva-testpage-');
  const { bin, context, dir, server } = env;
  let failed = 0;
  let passed = 0;
  const check = (ok, what) => { if (ok) passed++; else { failed++; console.log('FAIL testpage: ' + what); } };
  try {
    const images = [
      { name: 'red.png', png: c.makePng(1, 1, [255, 0, 0]), ok: true },
      { name: 'green.png', png: c.makePng(2, 2, [0, 160, 0]), ok: true },
      { name: 'blue.png', png: c.makePng(3, 2, [0, 0, 255]), ok: true },
      { name: 'missing.png', png: null, ok: false },
    ];
    for (const im of images) if (im.png) fs.writeFileSync(path.join(dir, im.name), im.png);
    const addresses = images.map((im) => server.base + im.name);
    fs.writeFileSync(path.join(dir, 'links.txt'), '#ignore\n~\n#links\n' + addresses.join('\n') + '\n');
    c.runTool(bin, ['-t', 'page.html', 'links.txt'], dir);
    const page = await context.newPage();
    await page.goto(server.base + 'page.html', { waitUntil: 'load', timeout: 20000 });
    const got = await page.evaluate(() => ({
      images: [...document.images].map((i) => ({ src: i.getAttribute('src'), complete: i.complete, w: i.naturalWidth })),
      links: [...document.querySelectorAll('a')].map((a) => ({ href: a.getAttribute('href'), text: a.textContent })),
    }));
    await page.close();
    check(got.images.length === images.length, `images: got ${got.images.length}, want ${images.length}`);
    check(got.links.length === images.length, `links: got ${got.links.length}, want ${images.length}`);
    images.forEach((im, i) => {
      const addr = addresses[i];
      const img = got.images[i] || {};
      check(img.src === addr, `image ${i}: src ${img.src}, want ${addr}`);
      check(im.ok ? img.w > 0 : img.w === 0, `image ${addr}: naturalWidth ${img.w}`);
      const a = got.links[i] || {};
      check(a.href === addr && typeof a.text === 'string' && a.text.trim() === addr,
        `link ${i}: href ${a.href} text ${JSON.stringify(a.text)}, want ${addr}`);
    });
    if (!failed) console.log(`ok testpage (${images.length} addresses, one missing)`);
  } finally {
    await c.teardown(env);
  }
  return { passed, failed };
}

c.runCheck(main);
