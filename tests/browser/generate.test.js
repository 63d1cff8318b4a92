'use strict';
// Renders generated pages in headless Chromium and checks what a user sees:
// every character at its row and column, linked to the drawn address, and
// links in the colour of plain text.
const fs = require('fs');
const path = require('path');
const c = require('./common');

const root = path.resolve(__dirname, '..', '..');

// Each case: a picture and a links file. "markup" holds raw "<" followed by a
// blank or a digit, "a&b" and both quotes: the parser keeps them as text, so
// the page must still show them where they were drawn.
const cases = [
  { name: 'example', picture: fs.readFileSync(path.join(root, 'examples/picture.txt')),
    links: fs.readFileSync(path.join(root, 'examples/links.txt')) },
  { name: 'blank-background',
    picture: Buffer.from('   *   \n  * *  \n *   * \n*******\n'),
    links: Buffer.from('#ignore\n \n#links\nhttp://127.0.0.1/a.png\nhttp://127.0.0.1/b.png\nhttp://127.0.0.1/c.png\n') },
  { name: 'markup',
    picture: Buffer.from('< 3 <3 a&b\n"q" \'s\' x>y\n& ; &x <\n'),
    links: Buffer.from('#ignore\n~\n#links\nhttp://127.0.0.1/one.png\nhttp://127.0.0.1/two.png\n') },
];

async function measure(page) {
  return page.evaluate(() => {
    const out = { rows: [[]], linkColor: null, textColor: null };
    const walk = (node) => {
      for (const child of node.childNodes) {
        if (child.nodeType === Node.ELEMENT_NODE && child.tagName === 'BR') { out.rows.push([]); continue; }
        if (child.nodeType === Node.TEXT_NODE) {
          // The picture lives inside <font>; the blank between </body> and
          // </html> of the footer lands directly in <body> and is no picture.
          if (child.parentElement === document.body) continue;
          const text = child.data;
          for (let i = 0; i < text.length; i++) {
            // Tabs of the header and line ends after <br> are layout whitespace
            // that collapses away; picture blanks arrive as &nbsp; and stay.
            if (text[i] === '\n' || text[i] === '\r' || text[i] === '\t') continue;
            const range = document.createRange();
            range.setStart(child, i); range.setEnd(child, i + 1);
            const rects = range.getClientRects();
            const r = rects.length ? rects[0] : null;
            const a = child.parentElement.closest('a');
            out.rows[out.rows.length - 1].push({
              ch: text[i], left: r ? r.left : null, top: r ? r.top : null,
              width: r ? r.width : 0, height: r ? r.height : 0,
              href: a ? a.getAttribute('href') : null,
            });
            if (a && !out.linkColor) out.linkColor = getComputedStyle(a).color;
            if (!a && !out.textColor) out.textColor = getComputedStyle(child.parentElement).color;
          }
          continue;
        }
        if (child.nodeType === Node.ELEMENT_NODE) walk(child);
      }
    };
    walk(document.body);
    if (out.rows.length && out.rows[out.rows.length - 1].length === 0) out.rows.pop();
    return out;
  });
}

async function main() {
  const env = await c.setUp('zuva-gen-');
  const { bin, context, server } = env;
  const work = env.dir;
  let failed = 0;
  let passed = 0;
  try {
    for (const tc of cases) {
      const dir = path.join(work, tc.name);
      fs.mkdirSync(dir);
      fs.writeFileSync(path.join(dir, 'picture.txt'), tc.picture);
      fs.writeFileSync(path.join(dir, 'links.txt'), tc.links);
      c.runTool(bin, ['-g', 'picture.txt', 'page.html', 'links.txt'], dir);
      const page = await context.newPage();
      await page.goto(server.base + tc.name + '/page.html', { timeout: 20000 });
      const got = await measure(page);
      await page.close();

      const { ignore, links } = c.parseLinks(tc.links);
      const pick = c.makePicker(links.length);
      // No charset is declared, so the browser reads the bytes as windows-1252.
      const decoder = new TextDecoder('windows-1252');
      const rows = c.pictureRows(tc.picture);
      const errors = [];
      if (got.rows.length !== rows.length) errors.push(`rows: got ${got.rows.length}, want ${rows.length}`);
      const first = got.rows[0] && got.rows[0][0];
      const w = first ? first.width : 0;
      const h = first ? first.height : 0;
      if (!(w > 0 && h > 0)) errors.push('first character has no box');
      rows.forEach((row, r) => {
        const bytes = Buffer.from(row, 'latin1');
        const cells = got.rows[r] || [];
        if (cells.length !== bytes.length) errors.push(`row ${r}: got ${cells.length} characters, want ${bytes.length}`);
        for (let col = 0; col < bytes.length; col++) {
          const b = bytes[col];
          const want = b === 32 ? '\u00a0' : decoder.decode(Buffer.from([b]));
          const href = ignore.has(b) ? null : links[pick()];
          const cell = cells[col];
          if (!cell) continue;
          if (cell.ch !== want) errors.push(`row ${r} col ${col}: got ${JSON.stringify(cell.ch)}, want ${JSON.stringify(want)}`);
          if (cell.href !== href) errors.push(`row ${r} col ${col}: link ${cell.href}, want ${href}`);
          if (first && (Math.abs(cell.left - (first.left + col * w)) > w / 4 ||
              Math.abs(cell.top - (first.top + r * h)) > h / 4)) {
            errors.push(`row ${r} col ${col}: box at ${cell.left},${cell.top}, want ${first.left + col * w},${first.top + r * h}`);
          }
        }
      });
      if (got.linkColor && got.textColor && got.linkColor !== got.textColor) {
        errors.push(`link colour ${got.linkColor} differs from text colour ${got.textColor}`);
      }
      if (!got.linkColor) errors.push('no link on the page');
      if (errors.length) {
        failed++;
        console.log(`FAIL generate ${tc.name}:\n  ` + errors.slice(0, 10).join('\n  ') +
          (errors.length > 10 ? `\n  ... ${errors.length - 10} more` : ''));
      } else {
        passed++;
        console.log(`ok generate ${tc.name} (${rows.length} rows)`);
      }
    }
  } finally {
    await c.teardown(env);
  }
  return { passed, failed };
}

c.runCheck(main);
