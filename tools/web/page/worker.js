// The page's worker: the evaluator's core, compiled to WebAssembly (inlined
// above as createBarvotokCore), judges here so that the page never freezes.
// The page sends files as bytes; they are read by name from the worker's own
// memory file system, exactly as the evaluator reads files.
"use strict";
(function () {
  const INPUT = "/input.txt", SUBMISSION = "/submission.txt";
  let core = null, session = 0, told = 0;

  const tell = (message, transfer) => self.postMessage(message, transfer || []);

  // The session's last answer: JSON text, or bytes of a size of their own.
  function call(name, types, args) {
    const pointer = core.ccall(name, "number", ["number"].concat(types), [session].concat(args));
    return core.UTF8ToString(pointer);
  }

  function answerBytes(pointer) {
    const size = core.ccall("barvotokAnswerSize", "number", ["number"], [session]);
    return core.HEAPU8.slice(pointer, pointer + size);
  }

  function readTestSet(name, bytes) {
    core.FS.writeFile(INPUT, new Uint8Array(bytes));
    const answer = JSON.parse(call("barvotokReadTestSet", ["string", "string"], [INPUT, name]));
    core.FS.unlink(INPUT);  // the session keeps the test set it read
    tell({ type: "testSet", name, answer });
  }

  function judge(name, bytes) {
    core.FS.writeFile(SUBMISSION, new Uint8Array(bytes));  // kept: replays read it again
    told = 0;
    const answer = JSON.parse(call("barvotokJudge", ["string", "string"], [SUBMISSION, name]));
    if (answer.error) throw new Error(answer.error);
    const report = answerBytes(core.ccall("barvotokReport", "number", ["number"], [session]));
    tell({ type: "judged", name, answer, report: report.buffer }, [report.buffer]);
  }

  function section(position) {
    tell({ type: "section", position, answer: JSON.parse(call("barvotokSection", ["number"], [position])) });
  }

  const HANDLERS = {
    testSet: (message) => readTestSet(message.name, message.bytes),
    submission: (message) => judge(message.name, message.bytes),
    section: (message) => section(message.position),
  };

  // Any failure of the worker itself (memory above all) is said in words.
  function failure(error) {
    const text = String(error && error.message || error);
    const memory = /memory|allocat|RangeError|Cannot enlarge/i.test(text) || error instanceof RangeError;
    tell({ type: "failure", memory, text });
  }

  const ready = createBarvotokCore({
    onJudgeProgress: (sections, bytesRead) => {
      const now = Date.now();
      if (now - told < 100) return;
      told = now;
      tell({ type: "progress", sections, bytesRead });
    },
  }).then((module) => {
    core = module;
    session = core.ccall("barvotokOpenSession", "number", [], []);
    if (!session) throw new Error("out of memory");
  });

  self.onmessage = (event) => {
    ready.then(() => HANDLERS[event.data.type](event.data)).catch(failure);
  };
  ready.then(() => tell({ type: "ready" }), failure);
})();
