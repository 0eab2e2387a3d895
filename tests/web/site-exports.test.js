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

// The section prefix of each variant in the scheme's JSON.
const Variants = {light: '', dark: 'DARK ', contrast: 'CONTRAST '};

// {group: {color, background}} of the web colours (0..16777215) of a scheme, in
// `variant`'s colours; none when the scheme has no such variant.
function schemeColors(schemeArgs, variant = 'light') {
  const json = JSON.parse(tintora.cli('scheme', [...schemeArgs, '--format', 'json', '-o', '-'], [0, 2]).stdout);
  if (!((Variants[variant] + 'BODY') in json))
    return undefined;
  const colors = {};
  for (const [group, section] of Object.entries(Groups)) {
    const s = json[Variants[variant] + section];
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
  schemes.push({name: 'unusual', args: ['--from', tintora.unusualScheme(path.join(folder, 'unusual'))]});
  // Two with Dark and High contrast variants, one of them with a locked colour.
  for (const [name, from] of [['Studio-variants', ['Studio']], ['random-variants', schemes[1].args]]) {
    const file = path.join(folder, `${name}.tna`);
    tintora.cli('variants', [...from, '-o', file, ...(name === 'Studio-variants' ? ['--lock', 'BANNER.BackColor'] : [])], [0, 3]);
    schemes.push({name, args: ['--from', file]});
  }
  for (const scheme of schemes) {
    scheme.colors = schemeColors(scheme.args);
    scheme.variants = {};
    for (const variant of ['dark', 'contrast']) {
      const colors = schemeColors(scheme.args, variant);
      if (colors)
        scheme.variants[variant] = colors;
    }
  }
  assert.equal(schemes.filter((s) => Object.keys(s.variants).length === 2).length, 2);
});

// Every token of `colors` as `tokens` (a terrazzo token set) holds it.
function checkColorTokens(tokens, colors, where) {
  for (const [group, pair] of Object.entries(colors)) {
    for (const [name, expected] of Object.entries(pair)) {
      const token = tokens[`${group}.${name}`];
      if (expected === undefined) {
        assert.equal(token, undefined, `${where}: ${group}.${name} has no web colour`);
        continue;
      }
      assert.ok(token, `${where}: ${group}.${name} missing`);
      assert.equal(token.$type, 'color');
      assert.equal(token.$value.hex, expected, `${where}: ${group}.${name}`);
      // The components give back the same 8-bit values as the hex fallback.
      assert.equal(token.$value.colorSpace, 'srgb');
      assert.equal(normalColor(`rgb(${token.$value.components.map((c) => c * 255).join(' ')})`),
                   expected, `${where}: ${group}.${name} components`);
    }
  }
}

// The CSS variables style-dictionary builds of a token file: {name: value}.
async function styleDictionaryVariables(StyleDictionary, file, buildPath) {
  const dictionary = new StyleDictionary({
    source: [file], usesDtcg: true, log: {verbosity: 'silent', warnings: 'disabled'},
    platforms: {css: {transformGroup: 'css', buildPath,
                      files: [{destination: 'variables.css', format: 'css/variables'}]}},
  });
  await dictionary.buildAllPlatforms();
  const css = fs.readFileSync(path.join(buildPath, 'variables.css'), 'utf8');
  return Object.fromEntries([...css.matchAll(/^\s*(--[\w-]+):\s*(.+?);$/gm)].map((m) => [m[1], m[2]]));
}

function checkVariables(variables, colors, where) {
  for (const [group, pair] of Object.entries(colors))
    for (const [name, expected] of Object.entries(pair))
      if (expected !== undefined)
        assert.equal(normalColor(variables[`--${group}-${name}`] ?? 'missing'), expected,
                     `${where}: --${group}-${name}`);
}

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
    checkColorTokens(tokens, scheme.colors, scheme.name);
    for (const group of Object.keys(scheme.colors))
      if (group !== 'page')
        assert.ok(tokens[`${group}.typography`] || scheme.name === 'unusual',
                  `${scheme.name}: ${group}.typography missing`);
    checkVariables(await styleDictionaryVariables(StyleDictionary, file, path.join(folder, `${scheme.name}-sd`) + path.sep),
                   scheme.colors, scheme.name);

    // The variants: each colour file alone, and the resolver whose theme contexts give
    // each variant's colours over the scheme's own tokens.
    const base = file.replace(/\.tokens\.json$/, '');
    assert.equal(fs.existsSync(`${base}.resolver.json`), Object.keys(scheme.variants).length > 0,
                 `${scheme.name}: a resolver only with variants`);
    if (Object.keys(scheme.variants).length === 0)
      continue;
    const resolverFile = `${base}.resolver.json`;
    const {resolver} = await parse([{src: fs.readFileSync(resolverFile, 'utf8'),
                                     filename: new URL(`file://${resolverFile}`)}], {config});
    checkColorTokens(resolver.apply({theme: 'light'}), scheme.colors, `${scheme.name} light`);
    for (const [variant, colors] of Object.entries(scheme.variants)) {
      const where = `${scheme.name} ${variant}`;
      const variantFile = `${base}.${variant}.tokens.json`;
      const parsed = await parse([{src: fs.readFileSync(variantFile, 'utf8'),
                                   filename: new URL(`file://${variantFile}`)}], {config});
      checkColorTokens(parsed.tokens, colors, where);
      const resolved = resolver.apply({theme: variant});
      checkColorTokens(resolved, colors, `${where} resolved`);
      assert.ok(resolved['body.typography'], `${where}: the resolved set keeps the typography`);
      checkVariables(await styleDictionaryVariables(StyleDictionary, variantFile,
                                                    path.join(folder, `${scheme.name}-${variant}-sd`) + path.sep),
                     colors, where);
    }
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
    // Each variant sets the same custom properties again under its media feature.
    const media = {dark: 'prefers-color-scheme: dark', contrast: 'prefers-contrast: more'};
    for (const [variant, colors] of Object.entries(scheme.variants)) {
      const at = css.indexOf(`@media (${media[variant]})`);
      assert.ok(at > 0, `${scheme.name}: no ${variant} block in the compiled CSS`);
      const block = css.slice(at, css.indexOf('}', at));
      for (const [group, pair] of Object.entries(colors))
        for (const [name, expected] of Object.entries(pair)) {
          const variable = group === 'page' ? 'page' : name === 'color' ? group : `${group}-background`;
          if (expected === undefined || (group === 'page' && name !== 'background'))
            continue;
          const declared = new RegExp(`--color-${variable}:\\s*([^;]+);`).exec(block);
          assert.ok(declared, `${scheme.name} ${variant}: --color-${variable} not overridden`);
          assert.equal(normalColor(declared[1]), expected, `${scheme.name} ${variant}: --color-${variable}`);
        }
    }
  }
});

test('the SCSS variables compile with sass and give the scheme\'s colours', () => {
  const sass = require('sass');
  for (const scheme of schemes) {
    const file = exportFile(scheme, '--scss', 'theme.scss');
    const main = path.join(folder, `${scheme.name}-main.scss`);
    const maps = {light: '$tintora', ...Object.fromEntries(Object.keys(scheme.variants).map((v) => [v, `$tintora-${v}`]))};
    fs.writeFileSync(main, `@use "${path.basename(file, '.scss')}" as t;\n` +
      Object.entries(maps).map(([variant, map]) =>
        `@each $name, $values in t.${map} {\n` +
        `  .${variant}-#{$name} { @each $property, $value in $values { #{$property}: $value; } }\n}\n`).join(''));
    const {css} = sass.compile(main);
    for (const [variant, all] of Object.entries({light: scheme.colors, ...scheme.variants})) {
      for (const [group, colors] of Object.entries(all)) {
        const where = `${scheme.name}: .${variant}-${group}`;
        const block = new RegExp(`\\.${variant}-${group.replace(/-/g, '\\-')}\\s*\\{([^}]*)\\}`).exec(css);
        assert.ok(block, `${where} not in the compiled CSS`);
        for (const [name, expected] of Object.entries(colors)) {
          const declared = new RegExp(`(?:^|;|\\s)${name}:\\s*([^;]+);`).exec(block[1]);
          if (expected === undefined) {
            assert.equal(declared, null, `${where} ${name} has no web colour`);
            continue;
          }
          assert.ok(declared, `${where} has no ${name}`);
          assert.equal(normalColor(declared[1]), expected, `${where} ${name}`);
        }
      }
    }
  }
});
