'use strict';
// The programs under test, as the browser tests run them: tintora-cli, and the test
// kit that makes the seeded random schemes and says where the preview draws each text.
// CTest hands their paths over in TINTORA_CLI, TINTORA_TESTKIT and TINTORA_DATA_DIR.

const {spawnSync} = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

function env(name) {
  const value = process.env[name];
  if (!value)
    throw new Error(`${name} is not set: run the browser tests through ctest`);
  return value;
}

function run(program, args, statuses = [0]) {
  const result = spawnSync(program, args, {encoding: 'utf8', env: {...process.env, QT_QPA_PLATFORM: 'offscreen'}});
  if (result.error)
    throw result.error;
  if (!statuses.includes(result.status))
    throw new Error(`${path.basename(program)} ${args.join(' ')} exited ${result.status}:\n${result.stderr}`);
  return result;
}

// tintora-cli COMMAND ARGS, on the bundled data folder; its result.
function cli(command, args, statuses) {
  return run(env('TINTORA_CLI'), [command, '--data-dir', env('TINTORA_DATA_DIR'), ...args], statuses);
}

// The preview options as tintora-cli's commands take them.
function previewFlags({showBackground = false, opaqueLabels = false} = {}) {
  return [...(showBackground ? ['--show-background'] : []), ...(opaqueLabels ? ['--opaque-labels'] : [])];
}

// `count` seeded random schemes written into `folder`; their paths.
function randomSchemes(folder, count, firstSeed = 1) {
  return run(env('TINTORA_TESTKIT'), ['schemes', folder, String(count), String(firstSeed)])
    .stdout.split('\n').filter(Boolean);
}

// Where the preview of `scheme` draws each text row: {SECTION: [{x, y, width, height, opaque}]}.
function previewTextBoxes(scheme, options) {
  return JSON.parse(run(env('TINTORA_TESTKIT'),
    ['boxes', '--from', scheme, '--data-dir', env('TINTORA_DATA_DIR'), ...previewFlags(options)]).stdout);
}

// A scheme of the values the formats find hardest (odd names, fractional sizes),
// written into `folder`; its path.
function unusualScheme(folder) {
  return run(env('TINTORA_TESTKIT'), ['unusual', folder]).stdout.trim();
}

function tempFolder(name) {
  return fs.mkdtempSync(path.join(os.tmpdir(), `tintora-${name}-`));
}

module.exports = {cli, previewFlags, randomSchemes, previewTextBoxes, unusualScheme, tempFolder};
