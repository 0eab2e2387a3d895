'use strict';
// The browser tests' one way to a real browser: Debian's chromium, headless, on a
// fresh profile and without the network, through playwright-core (which never fetches
// a browser of its own here). Pages are local files or served on 127.0.0.1.

const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');

const Chromium = process.env.TINTORA_CHROMIUM || '/usr/bin/chromium';

// Fails with what to do when the browser or the npm packages are not there: a test
// of the browser never passes without one.
function requireTools() {
  if (!fs.existsSync(Chromium))
    throw new Error(`${Chromium} is missing: scripts/setup-deps.sh installs Debian's chromium`);
  const modules = path.join(__dirname, '..', 'node_modules');
  for (const name of ['playwright-core', 'axe-core', 'pngjs'])
    if (!fs.existsSync(path.join(modules, name)))
      throw new Error(`${name} is not installed: run "npm ci" in ${path.dirname(modules)}`);
}

const LaunchFlags = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  // The same pixels on every machine: no font hinting or subpixel colour fringes.
  '--font-render-hinting=none', '--disable-lcd-text', '--force-color-profile=srgb',
];

// A browser on a profile of its own, removed when closed.
async function launch({viewport = {width: 1024, height: 800}} = {}) {
  requireTools();
  const {chromium} = require('playwright-core');
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tintora-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: Chromium, headless: true, args: LaunchFlags,
    viewport, deviceScaleFactor: 1,
  });
  return {
    context,
    async close() {
      await context.close();
      fs.rmSync(profile, {recursive: true, force: true});
    },
  };
}

// A page showing `target`: a file path or a URL. Options go to page.emulateMedia
// (colorScheme, reducedMotion, forcedColors, media).
async function open(browser, target, media) {
  const page = await browser.context.newPage();
  if (media)
    await page.emulateMedia(media);
  const url = /^[a-z]+:/.test(target) ? target : 'file://' + path.resolve(target);
  await page.goto(url, {waitUntil: 'load'});
  return page;
}

// Serves the files of `folder` on 127.0.0.1 at a free port; {url, close()}.
async function serve(folder) {
  const types = {'.html': 'text/html', '.css': 'text/css', '.js': 'text/javascript',
                 '.png': 'image/png', '.gif': 'image/gif', '.jpg': 'image/jpeg',
                 '.svg': 'image/svg+xml', '.json': 'application/json'};
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.resolve(root, '.' + (name.endsWith('/') ? name + 'index.html' : name));
    if (!file.startsWith(root + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, {'Content-Type': types[path.extname(file)] || 'application/octet-stream'});
    fs.createReadStream(file).pipe(response);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}

// axe-core's verdicts on the page for the rules named (all of its rules when none):
// {violations, passes, incomplete}, each node with its element's `tag` added by `tag`,
// a function run in the page on the element (e.g. which part of the page it is).
async function runAxe(page, rules, tag) {
  await page.addScriptTag({content: require('axe-core').source});
  return page.evaluate(async ({rules, tag}) => {
    const options = rules ? {runOnly: {type: 'rule', values: rules}} : {};
    const results = await window.axe.run(document, options);
    const tagOf = tag ? new Function('element', `return (${tag})(element);`) : () => null;
    const pick = (list) => list.flatMap((rule) => rule.nodes.map((node) => ({
      rule: rule.id,
      target: node.target,
      tag: tagOf(document.querySelector(node.target[0])),
      data: (node.any.concat(node.all, node.none).find((c) => c.data) || {}).data || null,
      messages: node.any.concat(node.all, node.none).map((c) => c.message),
    })));
    return {violations: pick(results.violations), passes: pick(results.passes),
            incomplete: pick(results.incomplete)};
  }, {rules, tag: tag ? tag.toString() : null});
}

// The page as a PNG file, the whole of it.
async function screenshot(page, file) {
  await page.screenshot({path: file, fullPage: true, animations: 'disabled', caret: 'hide'});
  return readPng(file);
}

function readPng(file) {
  const {PNG} = require('pngjs');
  return PNG.sync.read(fs.readFileSync(file));
}

// The colour of one pixel as "#rrggbb".
function pixel(png, x, y) {
  const i = (png.width * y + x) * 4;
  const hex = (v) => v.toString(16).padStart(2, '0');
  return '#' + hex(png.data[i]) + hex(png.data[i + 1]) + hex(png.data[i + 2]);
}

// How often each colour occurs inside a box {x, y, width, height} (cut to the picture),
// most frequent first: [{color, count}].
function colorsIn(png, box) {
  const counts = new Map();
  const x0 = Math.max(0, Math.floor(box.x));
  const y0 = Math.max(0, Math.floor(box.y));
  const x1 = Math.min(png.width, Math.ceil(box.x + box.width));
  const y1 = Math.min(png.height, Math.ceil(box.y + box.height));
  for (let y = y0; y < y1; ++y)
    for (let x = x0; x < x1; ++x) {
      const c = pixel(png, x, y);
      counts.set(c, (counts.get(c) || 0) + 1);
    }
  return [...counts].map(([color, count]) => ({color, count})).sort((a, b) => b.count - a.count);
}

module.exports = {requireTools, launch, open, serve, runAxe, screenshot, readPng, pixel, colorsIn};
