'use strict';
// The files tintora-cli writes for a site's own build, built by the tools a site uses:
// the design tokens read by the token parser and built into CSS variables by
// style-dictionary, the Tailwind theme compiled by Tailwind against a page that uses its
// classes, the SCSS variables compiled by sass. Each build must hold the scheme's
// colours, as tintora-cli scheme --format json gives them.

const {test, before, after} = require('node:test');
const assert = require('node:assert/strict');
const {spawnSync} = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const tintora = require('./lib/tintora');

const RandomSchemes = 8;
const here = __dirname;

// The scheme section each exported group stands for, and which of its colours are
// written as the group's text colour and background.
const Groups = {
  banner: 'BANNER', body: 'BODY', h1: 'HEADING1', h2: 'HEADING2', h3: 'HEADING3',
  h4: 'HEADING4', h5: 'HEADING5', h6: 'HEADING6', link: 'REGULARLINK',
  visited: 'VISITEDLINK', active: 'ACTIVELINK', navigation: 'NAVBUTTONS',
  'global-buttons': 'GLOBALBUTTONS', page: 'BACKGROUND',
};

function hex(value) {
  return '#' + [0, 8, 16].map((shift) => ((value >> shift) & 0xff).toString(16).padStart(2, '0')).join('');
}

// A CSS colour as a tool wrote it (#rgb, #rrggbb, rgb(r g b) or rgb(r, g, b)), as #rrggbb.
function normalColor(text) {
  const t = text.trim().toLowerCase();
  let m = /^#([0-9a-f]{3})$/.exec(t);
  if (m)
    return '#' + [...m[1]].map((c) => c + c).join('');
  if (/^#[0-9a-f]{6}$/.test(t))
    return t;
  m = /^rgba?\(\s*([\d.]+)[\s,]+([\d.]+)[\s,]+([\d.]+)/.exec(t);
  if (m)
    return '#' + m.slice(1, 4).map((c) => Math.round(Number(c)).toString(16).padStart(2, '0')).join('');
  return t;
}

// {group: {color, background}} of the web colours (0..16777215) of a scheme.
function schemeColors(schemeArgs) {
  const json = JSON.parse(tintora.cli('scheme', [...schemeArgs, '--format', 'json', '-o', '-'], [0, 2]).stdout);
  const colors = {};
  for (const [group, section] of Object.entries(Groups)) {
    const s = json[section];
    // Colours come as "#RRGGBB"; one that is no 24-bit colour as its number.
    const web = (v) => (typeof v === 'string' && /^#[0-9a-f]{6}$/i.test(v) ? v.toLowerCase()
                        : Number.isInteger(v) && v >= 0 && v <= 0xffffff ? hex(v) : undefined);
    colors[group] = group === 'page' ? {background: web(s.Color)}
                                     : {color: web(s.ForeColor), background: web(s.BackColor)};
  }
  return colors;
}

// Every scheme judged: Studio, the seeded random ones, and one of odd names and
// fractional sizes. Each as the arguments that choose it.
const schemes = [];
let folder;

before(() => {
  folder = tintora.tempFolder('site');
  // The tools resolve their own packages from the folder of the file they build.
  fs.symlinkSync(path.join(here, 'node_modules'), path.join(folder, 'node_modules'), 'dir');
  schemes.push({name: 'Studio', args: ['Studio']});
  for (const file of tintora.randomSchemes(path.join(folder, 'random'), RandomSchemes))
    schemes.push({name: path.basename(file, '.tna'), args: ['--from', file]});
  const unusual = spawnSync(process.env.TINTORA_TESTKIT, ['unusual', path.join(folder, 'unusual')],
                            {encoding: 'utf8', env: {...process.env, QT_QPA_PLATFORM: 'offscreen'}});
  assert.equal(unusual.status, 0, unusual.stderr);
  schemes.push({name: 'unusual', args: ['--from', unusual.stdout.trim()]});
  for (const scheme of schemes)
    scheme.colors = schemeColors(scheme.args);
});

after(() => fs.rmSync(folder, {recursive: true, force: true}));

function exportFile(scheme, option, fileName) {
  const out = path.join(folder, `${scheme.name}-${fileName}`);
  tintora.cli('export', [...scheme.args, option, out, '--replace'], [0, 2]);
  return out;
}

test('every token file is read by the token parser and built into the scheme\'s colours by style-dictionary', async () => {
  const {parse, defineConfig} = await import('@terrazzo/parser');
  const {default: StyleDictionary} = await import('style-dictionary');
  for (const scheme of schemes) {
    const file = exportFile(scheme, '--tokens', 'theme.tokens.json');
    const source = fs.readFileSync(file, 'utf8');
    // The parser's own checks of every token's value (its default rules) throw on a
    // value the format does not allow.
    const config = defineConfig({tokens: [file]}, {cwd: new URL(`file://${folder}/`)});
    const {tokens} = await parse([{src: source, filename: new URL(`file://${file}`)}], {config});
    for (const [group, colors] of Object.entries(scheme.colors)) {
      for (const [name, expected] of Object.entries(colors)) {
        const token = tokens[`${group}.${name}`];
        if (expected === undefined) {
          assert.equal(token, undefined, `${scheme.name}: ${group}.${name} has no web colour`);
          continue;
        }
        assert.ok(token, `${scheme.name}: ${group}.${name} missing`);
        assert.equal(token.$type, 'color');
        assert.equal(token.$value.hex, expected, `${scheme.name}: ${group}.${name}`);
        // The components give back the same 8-bit values as the hex fallback.
        assert.equal(token.$value.colorSpace, 'srgb');
        assert.equal(normalColor(`rgb(${token.$value.components.map((c) => c * 255).join(' ')})`),
                     expected, `${scheme.name}: ${group}.${name} components`);
      }
      if (group !== 'page')
        assert.ok(tokens[`${group}.typography`] || scheme.name === 'unusual',
                  `${scheme.name}: ${group}.typography missing`);
    }

    const buildPath = path.join(folder, `${scheme.name}-sd`) + path.sep;
    const dictionary = new StyleDictionary({
      source: [file], usesDtcg: true, log: {verbosity: 'silent', warnings: 'disabled'},
      platforms: {css: {transformGroup: 'css', buildPath,
                        files: [{destination: 'variables.css', format: 'css/variables'}]}},
    });
    await dictionary.buildAllPlatforms();
    const css = fs.readFileSync(path.join(buildPath, 'variables.css'), 'utf8');
    const variables = Object.fromEntries([...css.matchAll(/^\s*(--[\w-]+):\s*(.+?);$/gm)].map((m) => [m[1], m[2]]));
    for (const [group, colors] of Object.entries(scheme.colors))
      for (const [name, expected] of Object.entries(colors))
        if (expected !== undefined)
          assert.equal(normalColor(variables[`--${group}-${name}`] ?? 'missing'), expected,
                       `${scheme.name}: --${group}-${name}`);
  }
});

// A page using a text and a background class of every element, and its type classes.
function tailwindPage() {
  const classes = Object.keys(Groups).map((group) => group === 'page'
    ? 'bg-page'
    : `text-${group} bg-${group}-background font-${group} text-${group}-size`);
  return '<!doctype html>\n<html><body>\n' +
         classes.map((c) => `<p class="${c}">Text</p>`).join('\n') + '\n</body></html>\n';
}

test('the Tailwind theme compiles against a page of its classes and the result holds the scheme\'s colours', () => {
  const cli = path.join(here, 'node_modules', '@tailwindcss', 'cli', 'dist', 'index.mjs');
  assert.ok(fs.existsSync(cli), `${cli} is missing: run "npm ci" in ${here}`);
  for (const scheme of schemes) {
    const work = path.join(folder, `${scheme.name}-tailwind`);
    fs.mkdirSync(work);
    fs.symlinkSync(path.join(here, 'node_modules'), path.join(work, 'node_modules'), 'dir');
    fs.writeFileSync(path.join(work, 'index.html'), tailwindPage());
    const input = exportFile(scheme, '--tailwind', 'theme.css');
    fs.copyFileSync(input, path.join(work, 'theme.css'));
    const result = spawnSync(process.execPath, [cli, '-i', 'theme.css', '-o', 'out.css'],
                             {cwd: work, encoding: 'utf8'});
    assert.equal(result.status, 0, `${scheme.name}: tailwind failed:\n${result.stderr}`);
    const css = fs.readFileSync(path.join(work, 'out.css'), 'utf8');
    for (const [group, colors] of Object.entries(scheme.colors)) {
      const pairs = group === 'page' ? [['page', 'bg-page', colors.background]]
                                     : [[group, `text-${group}`, colors.color],
                                        [`${group}-background`, `bg-${group}-background`, colors.background]];
      for (const [variable, utility, expected] of pairs) {
        if (expected === undefined)
          continue;
        const declared = new RegExp(`--color-${variable}:\\s*([^;]+);`).exec(css);
        assert.ok(declared, `${scheme.name}: --color-${variable} not in the compiled CSS`);
        assert.equal(normalColor(declared[1]), expected, `${scheme.name}: --color-${variable}`);
        const rule = new RegExp(`\\.${utility.replace(/[-]/g, '\\-')}\\s*\\{[^}]*var\\(--color-${variable}\\)`);
        assert.match(css, rule, `${scheme.name}: .${utility} does not use --color-${variable}`);
      }
    }
  }
});

test('the SCSS variables compile with sass and give the scheme\'s colours', () => {
  const sass = require('sass');
  for (const scheme of schemes) {
    const file = exportFile(scheme, '--scss', 'theme.scss');
    const main = path.join(folder, `${scheme.name}-main.scss`);
    fs.writeFileSync(main, `@use "${path.basename(file, '.scss')}" as t;\n` +
      '@each $name, $values in t.$tintora {\n' +
      '  .#{$name} { @each $property, $value in $values { #{$property}: $value; } }\n}\n');
    const {css} = sass.compile(main);
    for (const [group, colors] of Object.entries(scheme.colors)) {
      const block = new RegExp(`\\.${group.replace(/-/g, '\\-')}\\s*\\{([^}]*)\\}`).exec(css);
      assert.ok(block, `${scheme.name}: .${group} not in the compiled CSS`);
      for (const [name, expected] of Object.entries(colors)) {
        const declared = new RegExp(`(?:^|;|\\s)${name}:\\s*([^;]+);`).exec(block[1]);
        if (expected === undefined) {
          assert.equal(declared, null, `${scheme.name}: .${group} ${name} has no web colour`);
          continue;
        }
        assert.ok(declared, `${scheme.name}: .${group} has no ${name}`);
        assert.equal(normalColor(declared[1]), expected, `${scheme.name}: .${group} ${name}`);
      }
    }
  }
});
