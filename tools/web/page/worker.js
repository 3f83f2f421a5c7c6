// The page's worker: the evaluator's core, compiled to WebAssembly (inlined
// above as createBarvotokCore), judges here so that the page never freezes.
// The page sends files (or Blobs); the worker reads them and puts them in its
// own memory file system, whence the evaluator reads them by name.
"use strict";
(function () {
  const INPUT = "/input.txt", SUBMISSION = "/submission.txt";
  let core = null, session = 0;

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

  // The file's bytes, given to the memory file system without a copy; false
  // when the browser cannot read the file.
  function store(path, name, blob) {
    let bytes;
    try {
      bytes = new Uint8Array(new FileReaderSync().readAsArrayBuffer(blob));
    } catch (error) {
      tell({ type: "unreadable", name, text: String(error && error.message || error) });
      return false;
    }
    core.FS.writeFile(path, bytes, { canOwn: true });
    return true;
  }

  function readTestSet(name, blob) {
    if (!store(INPUT, name, blob)) return;
    const answer = JSON.parse(call("barvotokReadTestSet", ["string", "string"], [INPUT, name]));
    core.FS.unlink(INPUT);  // the session keeps the test set it read
    tell({ type: "testSet", name, answer });
  }

  function judge(name, blob) {
    if (!store(SUBMISSION, name, blob)) return;  // kept: replays read it again
    const answer = JSON.parse(call("barvotokJudge", ["string", "string"], [SUBMISSION, name]));
    if (answer.error) throw new Error(answer.error);
    const report = answerBytes(core.ccall("barvotokReport", "number", ["number"], [session]));
    tell({ type: "judged", name, answer, report: report.buffer }, [report.buffer]);
  }

  function section(position) {
    tell({ type: "section", position, answer: JSON.parse(call("barvotokSection", ["number"], [position])) });
  }

  const HANDLERS = {
    testSet: (message) => readTestSet(message.name, message.blob),
    submission: (message) => judge(message.name, message.blob),
    section: (message) => section(message.position),
  };

  // Any failure of the worker itself (memory above all) is said in words.
  function failure(error) {
    const text = String(error && error.message || error);
    const memory = /memory|allocat|RangeError|Cannot enlarge/i.test(text) || error instanceof RangeError;
    tell({ type: "failure", memory, text });
  }

  const ready = createBarvotokCore({
    // Already at most every 100 ms: the session spaces its calls.
    onJudgeProgress: (sections, bytesRead) => tell({ type: "progress", sections, bytesRead }),
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
