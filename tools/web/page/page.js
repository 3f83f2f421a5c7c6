"use strict";
// The contestant's page. The evaluator's core judges in a worker (made from
// the page's own #worker-source, so the page needs no file beside it), which
// reads the files itself; this script hands them over, shows the verdict, the
// report and its exact bytes, and opens the sections in the visualiser's
// viewer (window.barvotokViewer).
(function () {
  const $ = (id) => document.getElementById(id);
  // The page as it came, before this script changed it: what a saved copy is made of.
  const pristine = document.documentElement.cloneNode(true);
  const MOST_ROWS = 2000;

  const state = {
    worker: null, ready: false, testSetsLoaded: 0, testSet: null, submission: null, judged: null, reportUrl: null, busy: false,
  };

  // ---- Bytes and text. ----

  function bytesOfBase64(base64) {
    const text = atob(base64), bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
    return bytes;
  }

  function base64OfBytes(bytes) {
    let text = "";
    for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
    return btoa(text);
  }

  const textOf = (base64) => new TextDecoder("utf-8").decode(bytesOfBase64(base64));

  function sizeText(bytes) {
    return bytes < 1e4 ? bytes + " bytes" : bytes < 1e7 ? (bytes / 1e3).toFixed(0) + " kB" : (bytes / 1e6).toFixed(1) + " MB";
  }

  // ---- What the page says while it works, and when something is wrong. ----

  function setStatus(text, fraction) {
    $("status").hidden = text === null;
    $("status-text").textContent = text || "";
    const bar = $("status-progress");
    if (fraction === undefined) bar.removeAttribute("value"); else bar.value = fraction;
  }

  function setProblem(text) {
    $("problem").hidden = !text;
    $("problem").textContent = text || "";
  }

  function failureText(message) {
    if (message.memory) {
      return "The browser gave the evaluator no more memory, so this page cannot judge these files. " +
        "Close other tabs and try again, or run the evaluator itself on your computer.";
    }
    return "The page failed: " + message.text + ". Reload the page and try again.";
  }

  // ---- The worker. ----

  function startWorker() {
    const source = $("worker-source").textContent;
    const worker = new Worker(URL.createObjectURL(new Blob([source], { type: "text/javascript" })));
    worker.onmessage = (event) => RECEIVED[event.data.type](event.data);
    worker.onerror = (event) => {
      event.preventDefault();
      failed({ memory: /memory/i.test(event.message || ""), text: event.message || "the worker stopped" });
    };
    return worker;
  }

  function failed(message) {
    state.busy = false;
    setStatus(null);
    setProblem(failureText(message));
  }

  const RECEIVED = {
    ready: () => { state.ready = true; },
    progress: (message) => {
      const total = state.submission ? state.submission.size : 0;
      setStatus("Judging " + state.submission.name + ": section " + message.sections,
        total > 0 ? message.bytesRead / total : undefined);
    },
    testSet: (message) => testSetRead(message),
    judged: (message) => judged(message),
    section: (message) => sectionArrived(message),
    failure: (message) => failed(message),
    unreadable: (message) => unreadable(message.name, message.text),
  };

  // ---- Files in: a file chosen or dropped, or bytes as a Blob, read by the worker. ----

  function unreadable(name, error) {
    state.busy = false;
    setStatus(null);
    setProblem("The browser could not read " + name + (error ? " (" + error + ")" : "") +
      ". Choose the file again; if it is very large, close other tabs first.");
  }

  function loadTestSet(name, blob) {
    state.testSet = { name, size: blob.size, answer: null, blob };
    state.testSetsLoaded++;
    setProblem(null);
    setStatus("Reading and checking the test set " + name + " (" + sizeText(blob.size) + ")");
    $("input-state").textContent = name + " (" + sizeText(blob.size) + "): checking";
    state.worker.postMessage({ type: "testSet", name, blob });
  }

  // The submission is kept: a new test set judges it again.
  function loadSubmission(name, blob) {
    state.submission = { name, size: blob.size, blob };
    setProblem(null);
    $("submission-state").textContent = name + " (" + sizeText(blob.size) + ")";
    if (!state.testSet) {
      $("submission-state").textContent += ": waiting for the test set";
      return;
    }
    judge();
  }

  // The worker takes messages in order: a submission sent after a test set is judged against it.
  function judge() {
    state.submission.testSet = state.testSetsLoaded;
    state.busy = true;
    setStatus("Judging " + state.submission.name, 0);
    state.worker.postMessage({ type: "submission", name: state.submission.name, blob: state.submission.blob });
  }

  function takeFile(file, load) {
    if (file) load(file.name, file);
  }

  // A test set's first line is the task's name; a submission's, a contestant number.
  async function isTestSet(file) {
    const head = new Uint8Array(await file.slice(0, 10).arrayBuffer());
    const text = String.fromCharCode.apply(null, head);
    return /^Barvotok(\r?\n|$)/.test(text);
  }

  async function takeDropped(files) {
    for (const file of files) {
      let testSet;
      try {
        testSet = await isTestSet(file);
      } catch (error) {
        unreadable(file.name, error && error.message);
        continue;
      }
      takeFile(file, testSet ? loadTestSet : loadSubmission);
    }
  }

  // ---- Answers from the worker. ----

  function outcomeText(outcome) {
    return outcome.verdict === "passed" ? "OK" : textOf(outcome.line);
  }

  function testSetRead(message) {
    const answer = message.answer, box = $("input-drop");
    state.testSet.answer = answer;
    setStatus(null);
    if (answer.memory) setProblem(failureText({ memory: true }));
    const passed = answer.outcome.verdict === "passed";
    box.classList.toggle("loaded", passed);
    box.classList.toggle("bad", !passed);
    $("input-state").textContent = state.testSet.name + (state.testSet.baked ? " (in this page)" : "") + ": " +
      (passed ? answer.testCases + " test cases" : "fails the evaluator's checks, so every submission fails with it");
    $("save-page").disabled = !passed;
    if (state.submission && state.submission.testSet !== state.testSetsLoaded) judge();
  }

  function showReport(bytes) {
    if (state.reportUrl) URL.revokeObjectURL(state.reportUrl);
    state.reportUrl = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
    const link = $("download-report");
    link.href = state.reportUrl;
    link.download = "report.txt";
    $("report").textContent = new TextDecoder("utf-8").decode(bytes);
  }

  function showOutcome(outcome, sectionCount) {
    const box = $("outcome"), passed = outcome.verdict === "passed";
    box.hidden = false;
    box.classList.toggle("passed", passed);
    box.classList.toggle("failed", !passed);
    $("outcome-state").textContent = passed ? "Passed" : outcome.verdict === "failed" ? "Failed" : "Unexpected error";
    // Every check of the test set comes before any of the submission.
    const file = state.testSet.answer.outcome.verdict === "passed" ? "the submission" : "the test set";
    $("outcome-check").textContent = outcome.verdict === "failed"
      ? "at check line " + outcome.checkLine + (outcome.fileLine > 0 ? ", line " + outcome.fileLine + " of " + file : "") : "";
    $("outcome-message").textContent = passed ? sectionCount + " sections, every one floods its grid."
      : outcome.verdict === "failed" ? textOf(outcome.message) : outcomeText(outcome);
  }

  function sectionRow(sections, i) {
    const row = document.createElement("tr"), moves = sections.moves[i];
    for (const text of [sections.positions[i], sections.numbers[i], moves < 0 ? "failed" : moves]) {
      const cell = document.createElement("td");
      cell.textContent = String(text);
      row.appendChild(cell);
    }
    if (moves < 0) row.children[2].className = "failed";
    const cell = document.createElement("td"), button = document.createElement("button");
    button.type = "button";
    button.textContent = "Replay";
    button.dataset.position = String(sections.positions[i]);
    cell.appendChild(button);
    row.appendChild(cell);
    return row;
  }

  function showSections(sections) {
    const count = sections.positions.length, rows = $("section-rows");
    $("sections").hidden = count === 0;
    rows.replaceChildren();
    for (let i = 0; i < Math.min(count, MOST_ROWS); i++) rows.appendChild(sectionRow(sections, i));
    $("section-number").max = String(count);
    $("sections-note").textContent = count + " sections judged" +
      (count > MOST_ROWS ? "; the first " + MOST_ROWS + " are listed, any can be replayed by its number" : "") + ".";
  }

  function judged(message) {
    const answer = message.answer;
    state.busy = false;
    state.judged = answer;
    setStatus(null);
    if (answer.memory) setProblem(failureText({ memory: true }));
    showReport(new Uint8Array(message.report));
    showOutcome(answer.outcome, answer.sections.positions.length);
    showSections(answer.sections);
    $("submission-drop").classList.toggle("loaded", answer.outcome.verdict === "passed");
    $("submission-drop").classList.toggle("bad", answer.outcome.verdict !== "passed");
    // The failing section first, where there is one: it shows where the evaluator stopped.
    const moves = answer.sections.moves, failing = moves.indexOf(-1);
    const first = failing >= 0 ? failing : moves.length > 0 ? 0 : -1;
    if (first >= 0) openSection(answer.sections.positions[first]);
    else $("replay").hidden = true;
  }

  // A section the contestant asked for is scrolled into view once it is shown.
  function openSection(position, asked) {
    if (!state.judged || position < 1 || position > state.judged.sections.positions.length) return;
    state.scrollToReplay = Boolean(asked);
    setStatus("Replaying section " + position);
    state.worker.postMessage({ type: "section", position });
  }

  function sectionArrived(message) {
    setStatus(null);
    const answer = message.answer;
    if (answer.error) { setProblem(failureText({ memory: true })); return; }
    if (answer.unavailable) { setProblem(textOf(answer.unavailable)); return; }
    $("replay").hidden = false;
    window.barvotokViewer.open(answer);
    if (state.scrollToReplay) $("replay").scrollIntoView({ block: "start" });
  }

  // ---- A copy of the page with the test set inside, for contestants. ----

  async function savePage() {
    const copy = pristine.cloneNode(true), baked = copy.querySelector("#baked-test-set");
    let bytes;
    try {
      bytes = new Uint8Array(await state.testSet.blob.arrayBuffer());
    } catch (error) {
      unreadable(state.testSet.name, error && error.message);
      return;
    }
    baked.textContent = base64OfBytes(bytes);
    baked.setAttribute("data-name", state.testSet.name);
    const html = "<!DOCTYPE html>\n" + copy.outerHTML + "\n";
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([html], { type: "text/html" }));
    link.download = "barvotok-" + state.testSet.name.replace(/\.[^.]*$/, "") + ".html";
    link.id = "saved-page";
    document.body.appendChild(link);
    link.click();
    link.remove();
  }

  function loadBakedTestSet() {
    const baked = $("baked-test-set"), text = baked.textContent.trim();
    if (text === "") return;
    loadTestSet(baked.getAttribute("data-name") || "the test set", new Blob([bytesOfBase64(text)]));
    state.testSet.baked = true;
  }

  // ---- The controls. ----

  function setUpDropping() {
    for (const [box, input, load] of [["input-drop", "input", loadTestSet], ["submission-drop", "submission", loadSubmission]]) {
      const element = $(box);
      $(input).addEventListener("change", () => takeFile($(input).files[0], load));
      element.addEventListener("dragover", (event) => { event.preventDefault(); element.classList.add("over"); });
      element.addEventListener("dragleave", () => element.classList.remove("over"));
      element.addEventListener("drop", (event) => {
        event.preventDefault();
        event.stopPropagation();
        element.classList.remove("over");
        takeFile(event.dataTransfer.files[0], load);
      });
    }
    // A file dropped anywhere else goes where its first line says it belongs.
    document.addEventListener("dragover", (event) => event.preventDefault());
    document.addEventListener("drop", (event) => {
      event.preventDefault();
      takeDropped(Array.from(event.dataTransfer.files));
    });
  }

  function setUpControls() {
    $("judge-paste").addEventListener("click", () => {
      loadSubmission("pasted text", new Blob([$("paste").value]));
    });
    $("section-rows").addEventListener("click", (event) => {
      const position = event.target.dataset && event.target.dataset.position;
      if (position) openSection(Number(position), true);
    });
    $("open-section").addEventListener("submit", (event) => {
      event.preventDefault();
      openSection(Number($("section-number").value), true);
    });
    $("save-page").addEventListener("click", savePage);
  }

  try {
    state.worker = startWorker();
  } catch (error) {
    failed({ memory: false, text: String(error && error.message || error) });
  }
  setUpDropping();
  setUpControls();
  loadBakedTestSet();
  // For tests and scripts that drive the page.
  window.barvotokPage = {
    get ready() { return state.ready; },
    get busy() { return state.busy; },
    get judged() { return state.judged; },
  };
})();
