"use strict";
// The replay viewer of barvotok-visualise's page and of the contestant's
// page. Its data (pageData in tools/visualise) holds the grid, the moves, the
// evaluator's verdict and what the evaluator's replay recorded: the turn that
// flooded each cell and the count of cells each step absorbed. The viewer
// only draws them; it never plays a move itself. All that changes while the
// page is open lives in one state object, `viewer`, passed to each function;
// `open` shows another section in the same controls.
(function () {
  const $ = (id) => document.getElementById(id);

  // ---- The embedded data. ----

  function bytesOf(base64) {
    const text = atob(base64);
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
    return bytes;
  }

  function textOf(base64) { return new TextDecoder("utf-8").decode(bytesOf(base64)); }

  // Reads LEB128 numbers one after another: 7 bits a byte, low bits first.
  function numberReader(bytes) {
    let at = 0;
    return function next() {
      let value = 0, weight = 1, byte;
      do {
        byte = bytes[at++];
        value += (byte & 127) * weight;
        weight *= 128;
      } while (byte & 128);
      return value;
    };
  }

  // The turn that the tool predicted for a cell from those decoded before it:
  // the median edge predictor over its left, upper and upper-left neighbours.
  function predictedTurn(turns, w, x, y, cell) {
    if (y === 0) return x === 0 ? 0 : turns[cell - 1];
    if (x === 0) return turns[cell - w];
    const left = turns[cell - 1], up = turns[cell - w], upLeft = turns[cell - w - 1];
    const low = Math.min(left, up), high = Math.max(left, up);
    return upLeft >= high ? low : upLeft <= low ? high : left + up - upLeft;
  }

  // Each cell's flood turn, written as a zigzag difference from its prediction.
  function decodeFloodTurns(bytes, w, h) {
    const turns = new Int32Array(w * h), next = numberReader(bytes);
    for (let y = 0, cell = 0; y < h; y++) {
      for (let x = 0; x < w; x++, cell++) {
        const folded = next();
        turns[cell] = predictedTurn(turns, w, x, y, cell) + (folded % 2 === 1 ? -(folded + 1) / 2 : folded / 2);
      }
    }
    return turns;
  }

  // Each step's count of absorbed cells; 0 and a length stand for a run of idle steps.
  function decodeAbsorbed(bytes, steps) {
    const absorbed = new Int32Array(steps), next = numberReader(bytes);
    for (let step = 0; step < steps;) {
      const count = next();
      if (count === 0) step += Math.max(1, next());
      else absorbed[step++] = count;
    }
    return absorbed;
  }

  function runningTotals(counts) {
    const totals = new Int32Array(counts.length);
    let total = 0;
    for (let i = 0; i < counts.length; i++) totals[i] = total += counts[i];
    return totals;
  }

  // Colours 1 ... 100 as CSS text and as pixels of an ImageData (RGBA bytes).
  function paletteOf(hex) {
    const css = [""], pixels = new Uint32Array(101);
    const channels = new Uint8Array(pixels.buffer);
    for (let k = 1; k <= 100; k++) {
      const rgb = hex.substr((k - 1) * 6, 6);
      css.push("#" + rgb);
      for (let c = 0; c < 3; c++) channels[k * 4 + c] = parseInt(rgb.substr(c * 2, 2), 16);
      channels[k * 4 + 3] = 255;
    }
    return { css, pixels };
  }

  // The section as the page draws it; nothing in it changes later.
  function sectionOf(data) {
    const w = data.w, h = data.h, cells = bytesOf(data.cells), moves = bytesOf(data.moves);
    const steps = data.replayed ? moves.length + 1 : 0;
    const absorbed = decodeAbsorbed(bytesOf(data.absorbed), steps);
    return {
      data, w, h, cellCount: w * h, cells, moves,
      replayed: data.replayed,
      floodTurn: decodeFloodTurns(bytesOf(data.floodTurns), w, h),
      absorbed, regionSize: runningTotals(absorbed),
      bad: data.badMove,
      // Positions 0 ... last: the start, every move played, and the bad move if any.
      last: moves.length + (data.badMove ? 1 : 0),
      palette: paletteOf(data.palette), shaded: paletteOf(data.floodedPalette),
    };
  }

  // The replay's step shown at a position; without a replay not even the start is flooded.
  function turnAt(section, position) { return section.replayed ? Math.min(position, section.moves.length) : -1; }

  function regionColourAt(section, position) {
    const turn = turnAt(section, position);
    return turn <= 0 ? section.cells[0] : section.moves[turn - 1];
  }

  // ---- The verdict: the evaluator's own words. ----

  function wholeReportText(data) {
    if (!data.verdict.passed) return "the same, as this section decides it";
    return data.whole.passed ? "OK, " + data.whole.sections + " sections" : textOf(data.whole.line);
  }

  function showVerdict(section) {
    const data = section.data, verdict = data.verdict;
    $("title").textContent = "Barvotok replay: test case " + data.testCase + ", " + section.w + " x " +
      section.h + ", " + data.b + " colours";
    $("source").textContent = "Section " + data.section + " (line " + data.sectionLine + ") of " +
      textOf(data.submissionName) + ", test set " + textOf(data.inputName);
    $("verdict").classList.toggle("passed", verdict.passed);
    $("verdict").classList.toggle("failed", !verdict.passed);
    $("verdict-state").textContent = verdict.passed ? "Passed" : "Failed";
    $("verdict-check").textContent = verdict.passed ? "" : "at check line " + verdict.checkLine;
    $("verdict-report").textContent = textOf(verdict.report);
    $("verdict-message").textContent = verdict.passed ? "none" : textOf(verdict.message);
    $("whole-report").textContent = "The report on the whole submission: " + wholeReportText(data);
    $("replay-note").hidden = section.replayed;
  }

  // ---- The grid. ----

  function gridOf(section) {
    const canvas = $("grid"), context = canvas.getContext("2d");
    const scale = Math.max(1, Math.floor(720 / Math.max(section.w, section.h)));
    canvas.width = section.w * scale;
    canvas.height = section.h * scale;
    context.imageSmoothingEnabled = false;
    const cellsCanvas = document.createElement("canvas");
    cellsCanvas.width = section.w;
    cellsCanvas.height = section.h;
    const cellsContext = cellsCanvas.getContext("2d");
    const image = cellsContext.createImageData(section.w, section.h);
    return { canvas, context, scale, cellsCanvas, cellsContext, image, pixels: new Uint32Array(image.data.buffer) };
  }

  function cellCentre(grid, x, y) {
    const half = Math.floor(grid.scale / 2);
    return { x: x * grid.scale + half, y: y * grid.scale + half };
  }

  function paintCells(grid, section, turn, regionColour) {
    const shade = section.shaded.pixels[regionColour], own = section.palette.pixels;
    const floodTurn = section.floodTurn, cells = section.cells, pixels = grid.pixels;
    for (let i = 0; i < section.cellCount; i++) pixels[i] = floodTurn[i] <= turn ? shade : own[cells[i]];
    grid.cellsContext.putImageData(grid.image, 0, 0);
    grid.context.drawImage(grid.cellsCanvas, 0, 0, grid.canvas.width, grid.canvas.height);
  }

  // The region's border as one path, where cells are large enough to show it.
  function outlineRegion(grid, section, turn) {
    const { w, h, floodTurn } = section, scale = grid.scale, context = grid.context;
    const inside = (x, y) => x >= 0 && y >= 0 && x < w && y < h && floodTurn[y * w + x] <= turn;
    const edge = (x0, y0, x1, y1) => { context.moveTo(x0, y0); context.lineTo(x1, y1); };
    context.beginPath();
    for (let y = 0; y < h; y++) {
      for (let x = 0; x < w; x++) {
        if (!inside(x, y)) continue;
        const left = x * scale, top = y * scale, right = left + scale, bottom = top + scale;
        if (!inside(x + 1, y)) edge(right, top, right, bottom);
        if (!inside(x - 1, y)) edge(left, top, left, bottom);
        if (!inside(x, y - 1)) edge(left, top, right, top);
        if (!inside(x, y + 1)) edge(left, bottom, right, bottom);
      }
    }
    context.strokeStyle = "#000";
    context.lineWidth = 2;
    context.stroke();
  }

  // A thin white frame inside every cell that this move absorbed.
  function frameAbsorbed(grid, section, turn) {
    const scale = grid.scale, context = grid.context;
    context.beginPath();
    for (let i = 0; i < section.cellCount; i++) {
      if (section.floodTurn[i] !== turn) continue;
      context.rect((i % section.w) * scale + 2.5, Math.floor(i / section.w) * scale + 2.5, scale - 5, scale - 5);
    }
    context.strokeStyle = "#fff";
    context.lineWidth = 1;
    context.stroke();
  }

  // A ring inside a large cell, around a small one.
  function markFirstUnflooded(grid, section) {
    const cell = section.data.firstUnflooded;
    if (!cell) return;
    const centre = cellCentre(grid, cell.x, cell.y), context = grid.context;
    const radius = grid.scale >= 16 ? grid.scale * 0.36 : Math.max(8, grid.scale * 1.2);
    context.beginPath();
    context.arc(centre.x, centre.y, radius, 0, 2 * Math.PI);
    context.strokeStyle = "#000";
    context.lineWidth = 5;
    context.stroke();
    context.strokeStyle = "#fff";
    context.lineWidth = 1.5;
    context.stroke();
  }

  function drawGrid(grid, section, position) {
    const turn = turnAt(section, position);
    paintCells(grid, section, turn, regionColourAt(section, position));
    if (grid.scale >= 4) outlineRegion(grid, section, turn);
    if (grid.scale >= 10 && turn > 0 && position <= section.moves.length) frameAbsorbed(grid, section, turn);
    markFirstUnflooded(grid, section);
  }

  function describeCell(viewer, event) {
    const { grid, section } = viewer;
    if (!section) return;
    const box = grid.canvas.getBoundingClientRect();
    const x = Math.floor((event.clientX - box.left) * grid.canvas.width / box.width / grid.scale);
    const y = Math.floor((event.clientY - box.top) * grid.canvas.height / box.height / grid.scale);
    if (x < 0 || y < 0 || x >= section.w || y >= section.h) return;
    const at = section.floodTurn[y * section.w + x];
    const when = at > section.moves.length ? ", never flooded"
      : at === 0 ? ", in the starting region" : ", flooded by move " + at;
    $("cell-info").textContent = "Cell " + (x + 1) + " in row " + (y + 1) + ": colour " +
      section.cells[y * section.w + x] + when;
  }

  // ---- The chart of the region's size. ----

  function chartOf(section) {
    const canvas = $("chart"), pad = { left: 8, right: 8, top: 10, bottom: 16 };
    const chart = {
      canvas, context: canvas.getContext("2d"), base: document.createElement("canvas"), pad,
      plotWidth: canvas.width - pad.left - pad.right, plotHeight: canvas.height - pad.top - pad.bottom,
    };
    chart.base.width = canvas.width;
    chart.base.height = canvas.height;
    drawChartBase(chart, section);
    return chart;
  }

  function chartX(chart, section, position) {
    return chart.pad.left + (section.last === 0 ? 0 : position / section.last * chart.plotWidth);
  }

  function chartY(chart, section, size) { return chart.pad.top + chart.plotHeight * (1 - size / section.cellCount); }

  function drawChartBase(chart, section) {
    const g = chart.base.getContext("2d"), { pad, plotWidth, plotHeight } = chart;
    g.fillStyle = "#fff";
    g.fillRect(0, 0, chart.base.width, chart.base.height);
    g.strokeStyle = "#d5d9e2";
    g.setLineDash([3, 3]);
    g.beginPath();
    g.moveTo(pad.left, chartY(chart, section, section.cellCount));
    g.lineTo(pad.left + plotWidth, chartY(chart, section, section.cellCount));
    g.stroke();
    g.setLineDash([]);
    if (section.replayed) {
      g.beginPath();
      // One sample per pixel column: the size only grows, so nothing is lost between.
      for (let px = 0; px <= plotWidth; px++) {
        const turn = Math.min(section.moves.length, Math.round(px / plotWidth * section.last));
        const y = chartY(chart, section, section.regionSize[turn]);
        if (px === 0) g.moveTo(pad.left, y); else g.lineTo(pad.left + px, y);
      }
      g.strokeStyle = "#2f6fd0";
      g.lineWidth = 1.5;
      g.stroke();
    }
    if (section.bad) {
      const x = chartX(chart, section, section.last);
      g.strokeStyle = "#c0262d";
      g.lineWidth = 2;
      g.beginPath();
      g.moveTo(x, pad.top);
      g.lineTo(x, pad.top + plotHeight);
      g.stroke();
    }
    g.fillStyle = "#5b6478";
    g.font = "11px system-ui, sans-serif";
    g.fillText("region size (of " + section.cellCount + ")", pad.left + 2, pad.top + 10);
    g.fillText("move 0", pad.left, chart.base.height - 3);
    g.textAlign = "right";
    g.fillText("move " + section.last, pad.left + plotWidth, chart.base.height - 3);
  }

  function drawChart(chart, section, position) {
    const context = chart.context, turn = turnAt(section, position);
    const x = chartX(chart, section, position);
    const y = chartY(chart, section, turn < 0 ? 0 : section.regionSize[turn]);
    context.drawImage(chart.base, 0, 0);
    context.strokeStyle = context.fillStyle = "#1d2433";
    context.lineWidth = 1;
    context.beginPath();
    context.moveTo(x, chart.pad.top);
    context.lineTo(x, chart.pad.top + chart.plotHeight);
    context.stroke();
    context.beginPath();
    context.arc(x, y, 3, 0, 2 * Math.PI);
    context.fill();
  }

  function positionAtChart(chart, section, event) {
    const box = chart.canvas.getBoundingClientRect();
    const px = (event.clientX - box.left) * chart.canvas.width / box.width - chart.pad.left;
    return Math.round(px / chart.plotWidth * section.last);
  }

  // ---- The move panel. ----

  // The note under the move: a plain remark, or (marked bad) where the evaluator stops.
  function moveNote(section, position) {
    if (section.bad && position === section.last) {
      return { bad: true, text: "Move " + section.bad.turn + " names colour " + section.bad.colour +
        ", not one of 1 ... " + section.data.b + ": the evaluator stops here." };
    }
    if (!section.replayed) return { bad: false, text: "No replay: the section failed before it." };
    if (position === 0) return { bad: false, text: "The start: the area of the top-left cell's colour." };
    return { bad: false, text: "" };
  }

  function describeMove(section, position) {
    const turn = turnAt(section, position), atBadMove = section.bad && position === section.last;
    const colour = atBadMove ? section.bad.colour : regionColourAt(section, position);
    $("move-number").textContent = String(position);
    $("move-swatch").style.background = atBadMove ? "transparent" : section.palette.css[colour];
    $("move-colour").textContent = String(colour);
    $("region-size").textContent = turn < 0 ? "none" : String(section.regionSize[turn]);
    $("absorbed").textContent = turn < 0 || atBadMove ? "none" : String(section.absorbed[turn]);
    const note = moveNote(section, position);
    $("move-note").textContent = note.text;
    $("move-note").classList.toggle("bad", note.bad);
  }

  // ---- Moving through the replay. ----

  function show(viewer, target) {
    const section = viewer.section;
    if (!section) return;  // no section opened yet
    viewer.position = Math.max(0, Math.min(section.last, Math.round(target)));
    $("slider").value = String(viewer.position);
    drawGrid(viewer.grid, section, viewer.position);
    drawChart(viewer.chart, section, viewer.position);
    describeMove(section, viewer.position);
  }

  const SPEEDS = [1, 2, 5, 10, 25, 50, 100, 250, 1000, 5000, 25000, 100000];

  function movesPerSecond() { return Number($("speed").value); }

  function setPlaying(viewer, playing) {
    viewer.player.playing = playing;
    $("play").textContent = playing ? "Pause" : "Play";
  }

  // Playing counts from where it (re)started, so a slow frame skips moves instead of lagging.
  function restartClock(viewer) {
    viewer.player.since = performance.now();
    viewer.player.from = viewer.position;
  }

  function tick(viewer, now) {
    if (!viewer.player.playing) return;
    const target = viewer.player.from + Math.floor((now - viewer.player.since) / 1000 * movesPerSecond());
    if (target !== viewer.position) show(viewer, target);
    if (viewer.position >= viewer.section.last) setPlaying(viewer, false);
    else requestAnimationFrame((time) => tick(viewer, time));
  }

  function play(viewer) {
    if (!viewer.section || viewer.section.last === 0) return;
    if (viewer.position >= viewer.section.last) show(viewer, 0);
    restartClock(viewer);
    setPlaying(viewer, true);
    requestAnimationFrame((time) => tick(viewer, time));
  }

  function pause(viewer) { setPlaying(viewer, false); }

  function togglePlay(viewer) { if (viewer.player.playing) pause(viewer); else play(viewer); }

  // Every control stops playing, then jumps.
  function jump(viewer, target) {
    pause(viewer);
    show(viewer, target);
  }

  // ---- The controls. ----

  function chooseSpeed(viewer) {
    const speed = $("speed");
    // About ten seconds for the whole replay.
    const wanted = SPEEDS.find((s) => s * 10 >= viewer.section.last) || SPEEDS[SPEEDS.length - 1];
    speed.replaceChildren();
    for (const s of SPEEDS) {
      const option = document.createElement("option");
      option.value = String(s);
      option.textContent = s + " moves/s";
      option.selected = s === wanted;
      speed.appendChild(option);
    }
  }

  function setUpButtons(viewer) {
    const slider = $("slider");
    slider.addEventListener("input", () => jump(viewer, Number(slider.value)));
    $("first").addEventListener("click", () => jump(viewer, 0));
    $("back").addEventListener("click", () => jump(viewer, viewer.position - 1));
    $("forward").addEventListener("click", () => jump(viewer, viewer.position + 1));
    $("last").addEventListener("click", () => jump(viewer, viewer.section.last));
    $("play").addEventListener("click", () => togglePlay(viewer));
    $("speed").addEventListener("change", () => { if (viewer.player.playing) restartClock(viewer); });
  }

  function setUpPointer(viewer) {
    const chart = $("chart");
    chart.addEventListener("mousedown", (event) => jump(viewer, positionAtChart(viewer.chart, viewer.section, event)));
    chart.addEventListener("mousemove", (event) => {
      if (event.buttons & 1) show(viewer, positionAtChart(viewer.chart, viewer.section, event));
    });
    $("grid").addEventListener("mousemove", (event) => describeCell(viewer, event));
  }

  const STEPS = { ArrowRight: 1, ArrowLeft: -1, PageDown: 100, PageUp: -100 };

  // Keys typed into a field of the page are the field's.
  function isField(target) {
    return target instanceof HTMLSelectElement || target instanceof HTMLTextAreaElement ||
      (target instanceof HTMLInputElement && target.type !== "range");
  }

  function onKey(viewer, event) {
    if (!viewer.section || isField(event.target) || event.ctrlKey || event.metaKey || event.altKey) return;
    if (event.key in STEPS) jump(viewer, viewer.position + STEPS[event.key] * (event.shiftKey ? 10 : 1));
    else if (event.key === "Home") jump(viewer, 0);
    else if (event.key === "End") jump(viewer, viewer.section.last);
    else if (event.key === " ") togglePlay(viewer);
    else return;
    event.preventDefault();
  }

  // ---- The page. ----

  // The controls are bound once; each section opened replaces what they show.
  function createViewer() {
    const viewer = { section: null, grid: null, chart: null, position: 0, player: { playing: false, since: 0, from: 0 } };
    setUpButtons(viewer);
    setUpPointer(viewer);
    // Capturing, so that the slider does not also move on the same key.
    document.addEventListener("keydown", (event) => onKey(viewer, event), true);
    return viewer;
  }

  function open(viewer, data) {
    pause(viewer);
    const section = sectionOf(data);
    showVerdict(section);
    Object.assign(viewer, { section, grid: gridOf(section), chart: chartOf(section), position: 0 });
    chooseSpeed(viewer);
    $("slider").max = String(section.last);
    $("move-total").textContent = String(section.last);
    $("cell-total").textContent = String(section.cellCount);
    $("cell-info").textContent = "";
    show(viewer, 0);
  }

  const viewer = createViewer();
  const embedded = $("barvotok-data");
  if (embedded) open(viewer, JSON.parse(embedded.textContent));
  // For the contestant's page, and for scripts and tests that drive a page.
  window.barvotokViewer = {
    open: (data) => open(viewer, data),
    show: (target) => show(viewer, target),
    play: () => play(viewer),
    pause: () => pause(viewer),
    cellCentre: (x, y) => cellCentre(viewer.grid, x, y),
    get position() { return viewer.position; },
    get playing() { return viewer.player.playing; },
    get last() { return viewer.section.last; },
    get firstUnflooded() { return viewer.section.data.firstUnflooded; },
    get scale() { return viewer.grid.scale; },
  };
})();
