// tovk-term compiled to WebAssembly and run under node plays the same game
// as the native tovk-term: for each seed and script of commands, the same
// lines, the same exit code and the same files written (saved game,
// settings, exports), byte for byte.
//   TOVK_TERM_NATIVE=build/bin/tovk-term TOVK_TERM_JS=build-web/bin/tovk-term.js \
//     node --test term-matches-native.test.mjs
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';

const native = process.env.TOVK_TERM_NATIVE;
const wasm = process.env.TOVK_TERM_JS;
const stationList = process.env.TOVK_STATION_LIST;

const repeat = (times, ...lines) => Array.from({ length: times }, () => lines).flat();

// A contact from a CQ or a tuned station, taken step by step with Enter.
const contact = ['Call CQ', 'Repeat', 'Repeat', ...repeat(5, 'enter'), 'Tune band', 'Call',
  ...repeat(4, 'enter')];

// Scripts that make many draws (a few dozen contacts, mishaps and refusals
// among them), tuning, Auto CQ, a timeout, exports, saving and the quit flow.
const scripts = {
  contactsByEnter: [
    'set Mycall k1abc', 'QRV', ...repeat(40, ...contact), 'status', 'fields', 'results',
    'export cabrillo contest.log', 'export adif contest.adi', 'Save', 'game1',
  ],
  tuningAndAutoCq: [
    'QRV', 'band 20', ...repeat(15, 'Tune band'), 'Call', 'band 80', 'Auto CQ',
    ...repeat(40, 'tick'), 'Auto CQ', 'Call CQ', 'Repeat', 'type call w3lpl',
    'type section mdc', 'Check log', 'Send Msg', 'Log QSO', 'Timeout', 'y', '1 0',
    ...repeat(10, ...contact), 'status', 'New', 'y', 'set power 1000', 'QRV',
    ...repeat(10, ...contact), 'QRT', 'y', 'y', 'final',
  ],
};
const seeds = [1, 2, 1977];

function play(command, args, folder, script) {
  const run = spawnSync(command, [...args, '--dir', folder, '--seed', String(script.seed)], {
    input: script.lines.join('\n') + '\n',
    encoding: 'utf8',
    timeout: 60_000,
  });
  assert.equal(run.error, undefined, `${command}: ${run.error}`);
  const files = {};
  for (const name of readdirSync(folder).sort()) {
    files[name] = readFileSync(join(folder, name), 'latin1').replaceAll(folder, '<dir>');
  }
  return { status: run.status, stderr: run.stderr, lines: run.stdout.replaceAll(folder, '<dir>'), files };
}

function inFreshFolder(body) {
  const folder = mkdtempSync(join(tmpdir(), 'tovk-web-'));
  try {
    copyFileSync(stationList, join(folder, 'TOVK.SS'));
    return body(folder);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

for (const [name, lines] of Object.entries(scripts)) {
  for (const seed of seeds) {
    test(`${name} with seed ${seed} plays the same under node as natively`, () => {
      const script = { lines, seed };
      const expected = inFreshFolder((folder) => play(native, [], folder, script));
      const actual = inFreshFolder((folder) =>
        play(process.execPath, ['--no-experimental-fetch', wasm], folder, script));
      assert.equal(expected.status, 0, expected.stderr);
      const logged = expected.lines.split('\n').filter((line) => line.startsWith('log | '));
      assert.ok(logged.length > 5, 'the script logged too little to prove much');
      assert.equal(actual.lines, expected.lines);
      assert.equal(actual.status, expected.status, actual.stderr);
      assert.deepEqual(Object.keys(actual.files), Object.keys(expected.files));
      for (const file of Object.keys(expected.files)) {
        assert.equal(actual.files[file], expected.files[file], `${file} differs`);
      }
    });
  }
}
