// The page's calls into the game, one at a time. A call that opens a box
// waits for the player's answer (its stack is put aside meanwhile), so no
// second call may start while one runs: a timer tick that comes then is
// dropped, as the game drops a tick during another action, and the boxes are
// modal, so the player cannot click meanwhile. After each call the files the
// game wrote are kept and offered for download where the player asked.

export class GameCalls {
  // `afterCall()` runs after every call, when the game is idle again.
  constructor(module, afterCall) {
    this.module = module;
    this.afterCall = afterCall;
    this.running = null; // the call under way, a promise
  }

  get busy() {
    return this.running !== null;
  }

  // Runs the game's function `name`; resolves with its result, or with
  // undefined when another call was under way and this one was dropped.
  call(name, returnType, argTypes = [], args = []) {
    if (this.running) return Promise.resolve(undefined);
    this.running = (async () => {
      // Busy before the game's first instruction: its screen calls run inside.
      await null;
      try {
        return await this.module.ccall(name, returnType, argTypes, args, { async: true });
      } finally {
        this.running = null;
        this.afterCall();
      }
    })();
    return this.running;
  }

  run(command, field = 0, text = '') {
    return this.call('tovk_run', 'number', ['number', 'number', 'string'], [command, field, text]);
  }

  pressKey(chord) {
    const { key, letter, shift, control, alt } = chord;
    return this.call('tovk_press_key', 'number', ['number', 'number', 'number', 'number', 'number'],
      [key, letter ? letter.charCodeAt(0) : 0, shift ? 1 : 0, control ? 1 : 0, alt ? 1 : 0]);
  }

  tick() {
    return this.call('tovk_tick', null);
  }
}
