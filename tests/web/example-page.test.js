'use strict';
// The page a designer ships is the page the preview shows: the style sheet and example
// page of `tintora-cli export --css`, shown in chromium, judged by axe-core's
// color-contrast rule as tintora-cli audit judges the preview, and drawn with the same
// text and background colours as tintora-cli render draws them.

const {test, before, after} = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const web = require('./lib/browser');
const tintora = require('./lib/tintora');

const RandomSchemes = 20;
// Within this of the threshold, rounding decides: the two verdicts are not compared.
const NearThreshold = 0.02;
// Largest difference per channel between a text's colour and the closest pixel drawn of
// it: glyphs' stems are drawn in the text's own colour, give or take the smoothing.
const TextTolerance = 24;

// Which row of the scheme a text of the example page shows, run in the page.
function sectionOf(element) {
  const button = element.closest('.tintora-banner, .tintora-nav, .tintora-vnav, .tintora-global, ' +
                                 '.tintora-back, .tintora-home, .tintora-up, .tintora-next');
  if (button)
    return button.classList.contains('tintora-banner') ? 'BANNER'
         : button.classList.contains('tintora-global') ? 'GLOBALBUTTONS' : 'NAVBUTTONS';
  const heading = element.closest('h1, h2, h3, h4, h5, h6');
  if (heading)
    return 'HEADING' + heading.tagName[1];
  const link = element.closest('a');
  if (link)
    return link.classList.contains('tintora-visited') ? 'VISITEDLINK'
         : link.classList.contains('tintora-active') ? 'ACTIVELINK' : 'REGULARLINK';
  return 'BODY';
}

// Each text of the page in document order: its row and the box of its own text.
async function pageTexts(page) {
  return page.evaluate((sectionSource) => {
    const sectionOf = new Function('element', `return (${sectionSource})(element);`);
    const texts = [];
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      if (!node.textContent.trim())
        continue;
      const range = document.createRange();
      range.selectNodeContents(node);
      const r = range.getBoundingClientRect();
      texts.push({section: sectionOf(node.parentElement), text: node.textContent.trim(),
                  box: {x: r.x + scrollX, y: r.y + scrollY, width: r.width, height: r.height}});
    }
    return texts;
  }, sectionOf.toString());
}

// What a plain reading of the page must find: a document in standards mode with its
// language, title and style sheet, every link going nowhere, every picture loaded.
async function pageProblems(page) {
  return page.evaluate(() => {
    const problems = [];
    if (document.compatMode !== 'CSS1Compat')
      problems.push('not in standards mode (no doctype)');
    if (!document.documentElement.lang)
      problems.push('no lang');
    if (!document.title.trim())
      problems.push('no title');
    if (document.styleSheets.length !== 1 || document.styleSheets[0].cssRules.length < 20)
      problems.push('the style sheet did not load');
    for (const a of document.querySelectorAll('a'))
      if (a.getAttribute('href') !== '#')
        problems.push(`a link goes to ${a.getAttribute('href')}`);
    const ids = [...document.querySelectorAll('[id]')].map((e) => e.id);
    if (new Set(ids).size !== ids.length)
      problems.push('an id is used twice');
    return problems;
  });
}

function channels(hex) {
  return [1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16));
}

function distance(a, b) {
  const x = channels(a);
  const y = channels(b);
  return Math.max(...x.map((v, i) => Math.abs(v - y[i])));
}

// The colour of a box's background (its commonest pixel) and how close its pixels come
// to the text colour.
function drawnColors(png, box, textColor) {
  const colors = web.colorsIn(png, box);
  return {background: colors[0].color,
          text: Math.min(...colors.map((c) => distance(c.color, textColor)))};
}

let browser;
let work;
before(async () => {
  browser = await web.launch();
  work = tintora.tempFolder('web');
});
after(async () => {
  if (browser)
    await browser.close();
  if (work)
    fs.rmSync(work, {recursive: true, force: true});
});

// Exports, audits and renders `scheme` with the preview options, and compares.
async function judgeScheme(name, scheme, options = {}) {
  const folder = path.join(work, name);
  fs.mkdirSync(folder);
  const css = path.join(folder, 'site.css');
  const flags = tintora.previewFlags(options);
  tintora.cli('export', ['--from', scheme, '--css', css, ...flags]);
  const audit = JSON.parse(tintora.cli('audit', ['--from', scheme, '--format', 'json', ...flags], [0, 3]).stdout);
  const render = path.join(folder, 'render.png');
  tintora.cli('render', ['--from', scheme, '-o', render, ...flags]);
  await judgePage(name, folder, 'site.html', audit, web.readPng(render),
                  tintora.previewTextBoxes(scheme, options));
}

// The example page `file` of `folder`, served as a site serves it.
async function judgePage(name, folder, file, audit, rendered, previewBoxes) {
  const site = await web.serve(folder);
  const page = await web.open(browser, site.url + encodeURI(file));
  try {
    assert.deepEqual(await pageProblems(page), [], `${name}: the example page`);
    const axe = await web.runAxe(page, ['color-contrast'], sectionOf);
    const shot = await web.screenshot(page, path.join(folder, file.replace(/\.html$/, '.png')));
    const texts = await pageTexts(page);
    const checks = audit.checks.filter((c) => !c.advice);
    assert.equal(checks.length, 12, `${name}: the audit checks the twelve text rows`);
    for (const check of checks) {
      const where = `${name} ${check.section}`;
      // A text of about the page's own lightness (ratio 1:1) axe leaves open, since it
      // may be hidden on purpose; as a verdict on contrast it fails.
      const equal = (n) => n.data && n.data.messageKey === 'equalRatio';
      const nodes = (list) => axe[list].filter((n) => n.tag === check.section);
      const failing = nodes('violations').concat(nodes('incomplete').filter(equal));
      const incomplete = nodes('incomplete').filter((n) => !equal(n));
      const judged = nodes('passes').length + failing.length;
      assert.ok(judged + incomplete.length > 0, `${where}: axe found the text`);
      if ('lowest' in check) {
        // Over a picture axe cannot tell; it must say so, and see the text's colour.
        assert.ok(incomplete.length > 0, `${where}: axe should leave text over a picture open`);
        for (const n of incomplete)
          if (n.data && n.data.fgColor)
            assert.equal(n.data.fgColor, check.foreground.toLowerCase(), `${where}: text colour`);
      } else {
        assert.equal(incomplete.length, 0, `${where}: axe left ${JSON.stringify(incomplete[0])} open`);
        if (Math.abs(check.ratio - check.required) >= NearThreshold)
          assert.equal(failing.length === 0, check.pass,
                       `${where}: audit ${check.pass ? 'PASS' : 'FAIL'} at ${check.ratio}, axe ` +
                       JSON.stringify(failing.concat(nodes('passes')).map((n) => n.data)));
      }

      // Each place the text is drawn, in both pictures, in the same order.
      const shown = texts.filter((t) => t.section === check.section);
      const drawn = previewBoxes[check.section];
      assert.equal(shown.length, drawn.length, `${where}: as many texts as the preview shows`);
      shown.forEach((t, i) => {
        const inPage = drawnColors(shot, t.box, check.foreground.toLowerCase());
        const inPreview = drawnColors(rendered, drawn[i], check.foreground.toLowerCase());
        if (!('lowest' in check) || drawn[i].opaque)
          assert.equal(inPage.background, inPreview.background, `${where} "${t.text}" #${i}: background`);
        assert.ok(inPage.text <= TextTolerance && inPreview.text <= TextTolerance,
                  `${where} "${t.text}" #${i}: text colour off by ${inPage.text} in the page, ` +
                  `${inPreview.text} in the preview`);
      });
    }
  } finally {
    await page.close();
    await site.close();
  }
}

test('the bundled theme', async () => {
  const folder = path.join(work, 'schemes');
  fs.mkdirSync(folder, {recursive: true});
  const scheme = path.join(folder, 'studio.tna');
  tintora.cli('scheme', ['-o', scheme, 'Default']);
  await judgeScheme('studio', scheme);
  await judgeScheme('studio-opaque', scheme, {opaqueLabels: true});
});

test(`${RandomSchemes} seeded random schemes`, async () => {
  const schemes = tintora.randomSchemes(path.join(work, 'random'), RandomSchemes, 1);
  assert.equal(schemes.length, RandomSchemes);
  for (const [i, scheme] of schemes.entries())
    await judgeScheme(`random-${i + 1}`, scheme, {opaqueLabels: i % 4 === 3});
});

// The colour of each text of the page and of the page itself, as #rrggbb.
async function shownColors(page) {
  return page.evaluate((sectionSource) => {
    const sectionOf = new Function('element', `return (${sectionSource})(element);`);
    const hex = (css) => '#' + css.match(/\d+/g).slice(0, 3)
      .map((c) => Number(c).toString(16).padStart(2, '0')).join('');
    const texts = [];
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode())
      if (node.textContent.trim())
        texts.push({section: sectionOf(node.parentElement),
                    color: hex(getComputedStyle(node.parentElement).color)});
    return {page: hex(getComputedStyle(document.body).backgroundColor), texts};
  }, sectionOf.toString());
}

// The exported page shows each variant's colours where the browser asks for it: Dark
// under prefers-color-scheme: dark, High contrast under prefers-contrast: more.
test('the variants of a scheme under their media features', async () => {
  const folder = path.join(work, 'variants');
  fs.mkdirSync(folder);
  const scheme = path.join(folder, 'studio.tna');
  tintora.cli('variants', ['-o', scheme, 'Default'], [0, 3]);
  tintora.cli('export', ['--from', scheme, '--css', path.join(folder, 'site.css')]);
  const json = JSON.parse(tintora.cli('scheme', ['--from', scheme, '--format', 'json']).stdout);
  const media = [['light', '', undefined], ['dark', 'DARK ', {colorScheme: 'dark'}],
                 ['contrast', 'CONTRAST ', {contrast: 'more'}],
                 ['dark and more contrast', 'CONTRAST ', {colorScheme: 'dark', contrast: 'more'}]];
  const site = await web.serve(folder);
  try {
    for (const [name, prefix, features] of media) {
      const page = await web.open(browser, site.url + 'site.html', features);
      try {
        const shown = await shownColors(page);
        assert.equal(shown.page, json[prefix + 'BACKGROUND'].Color.toLowerCase(), `${name}: page`);
        assert.ok(shown.texts.length >= 12, `${name}: the page's texts`);
        for (const text of shown.texts)
          assert.equal(text.color, json[prefix + text.section].ForeColor.toLowerCase(),
                       `${name}: ${text.section}`);
      } finally {
        await page.close();
      }
    }
  } finally {
    await site.close();
  }
  // Each variant is a different look.
  assert.notEqual(json['DARK BODY'].ForeColor, json.BODY.ForeColor);
  assert.notEqual(json['CONTRAST BODY'].ForeColor, json['DARK BODY'].ForeColor);
});

// A batch's index links each theme's example page, which is judged as export's is.
test('a batch output', async () => {
  const out = path.join(work, 'batch');
  tintora.cli('batch', ['-o', out]);
  const site = await web.serve(out);
  const index = await web.open(browser, site.url + 'index.html');
  let pages;
  try {
    pages = await index.evaluate(() => [...document.querySelectorAll('a')]
      .filter((a) => a.textContent === 'example page').map((a) => a.getAttribute('href')));
  } finally {
    await index.close();
    await site.close();
  }
  const folders = fs.readdirSync(out).filter((f) => fs.statSync(path.join(out, f)).isDirectory());
  assert.deepEqual(pages.slice().sort(), folders.map((f) => `${encodeURIComponent(f)}/theme.html`).sort());
  const studio = path.join(out, 'Studio');
  const scheme = path.join(studio, 'scheme.tna');
  const audit = JSON.parse(tintora.cli('audit', ['--from', scheme, '--format', 'json'], [0, 3]).stdout);
  await judgePage('batch', studio, 'theme.html', audit, web.readPng(path.join(studio, 'preview.png')),
                  tintora.previewTextBoxes(scheme));
});
