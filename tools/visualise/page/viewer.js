"use strict";
// The replay page of barvotok-visualise. The tool embeds the grid, the moves
// that the evaluator played and the evaluator's verdict; this script replays
// the moves once with per-colour border lists, keeping for every cell the
// move that flooded it, so that any move can be drawn at once.
(function () {
  const NEVER = 0x7fffffff;
  const data = JSON.parse(document.getElementById("barvotok-data").textContent);

  function bytesOf(base64) {
    const text = atob(base64);
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
    return bytes;
  }
  function textOf(base64) { return new TextDecoder("utf-8").decode(bytesOf(base64)); }

  // Colours 1 ... 100 as CSS text and as pixels of an ImageData (RGBA bytes).
  function paletteOf(hex) {
    const css = [""], pixels = new Uint32Array(101);
    const probe = new Uint8Array(pixels.buffer);
    for (let k = 1; k <= 100; k++) {
      const rgb = hex.substr((k - 1) * 6, 6);
      css.push("#" + rgb);
      probe[k * 4] = parseInt(rgb.substr(0, 2), 16);
      probe[k * 4 + 1] = parseInt(rgb.substr(2, 2), 16);
      probe[k * 4 + 2] = parseInt(rgb.substr(4, 2), 16);
      probe[k * 4 + 3] = 255;
    }
    return { css, pixels };
  }

  // Plays the moves as the evaluator does: the region starts as the area of
  // the top-left cell's colour; a move of colour c floods the cells of colour
  // c that wait at the region's border and spreads through colour c. Every
  // unflooded cell that touches the region waits once, in its colour's list.
  function replayMoves(w, h, cells, moves) {
    const W = w + 2, QUEUED = 1 << 30;
    const grid = new Int32Array(W * (h + 2)).fill(-1);  // framed by flooded cells
    for (let y = 0; y < h; y++) {
      for (let x = 0; x < w; x++) grid[(y + 1) * W + x + 1] = cells[y * w + x];
    }
    const floodedAt = new Int32Array(w * h).fill(NEVER);
    const absorbed = new Int32Array(moves.length + 1);
    const waiting = [];
    for (let c = 0; c <= 100; c++) waiting.push([]);
    const offsets = [1, -1, -W, W];

    function flood(index, turn) {
      grid[index] = -1;
      const y = ((index / W) | 0) - 1;
      floodedAt[y * w + (index - (y + 1) * W - 1)] = turn;
      absorbed[turn]++;
    }
    function spread(work, colour, turn) {
      for (let next = 0; next < work.length; next++) {
        const index = work[next];
        for (let k = 0; k < 4; k++) {
          const neighbour = index + offsets[k], value = grid[neighbour];
          if (value === colour) {
            flood(neighbour, turn);
            work.push(neighbour);
          } else if (value > 0 && value < QUEUED) {
            waiting[value].push(neighbour);
            grid[neighbour] = value | QUEUED;
          }
        }
      }
    }

    const start = W + 1;
    const startColour = grid[start];
    flood(start, 0);
    spread([start], startColour, 0);
    for (let turn = 1; turn <= moves.length; turn++) {
      const colour = moves[turn - 1], work = waiting[colour];
      waiting[colour] = [];
      for (const index of work) flood(index, turn);
      spread(work, colour, turn);
    }
    const regionSize = new Int32Array(moves.length + 1);
    let size = 0;
    for (let turn = 0; turn <= moves.length; turn++) regionSize[turn] = size += absorbed[turn];
    let firstUnflooded = null;
    for (let i = 0; i < w * h; i++) {
      if (floodedAt[i] === NEVER) { firstUnflooded = { x: i % w, y: (i / w) | 0 }; break; }
    }
    return { floodedAt, absorbed, regionSize, firstUnflooded };
  }

  const w = data.w, h = data.h, cellCount = w * h;
  const cells = bytesOf(data.cells), moves = bytesOf(data.moves);
  const palette = paletteOf(data.palette), flooded = paletteOf(data.floodedPalette);
  const replay = replayMoves(w, h, cells, moves);
  const bad = data.badMove;
  // Positions 0 ... last: the start, every move played, and the bad move if any.
  const last = moves.length + (bad ? 1 : 0);
  const $ = (id) => document.getElementById(id);

  // ---- The verdict: the evaluator's own words. ----
  function showVerdict() {
    const verdict = data.verdict;
    $("title").textContent = "Barvotok replay: test case " + data.testCase + ", " + w + " x " + h +
      ", " + data.b + " colours";
    $("source").textContent = "Section " + data.section + " (line " + data.sectionLine + ") of " +
      textOf(data.submissionName) + ", test set " + textOf(data.inputName);
    $("verdict").classList.add(verdict.passed ? "passed" : "failed");
    $("verdict-state").textContent = verdict.passed ? "Passed" : "Failed";
    $("verdict-check").textContent = verdict.passed ? "" : "at check line " + verdict.checkLine;
    $("verdict-report").textContent = textOf(verdict.report);
    $("verdict-message").textContent = verdict.passed ? "none" : textOf(verdict.message);
    const whole = textOf(data.wholeReport).split("\n");
    const decides = !verdict.passed && data.earlierSectionsPass;
    $("whole-report").textContent = "The report on the whole submission: " +
      (decides ? "the same, as this section decides it" : whole[0] === "OK" ? "OK, " + whole[1] + " sections" : whole[0]);
    $("replay-note").hidden = data.replayed;
    const problems = consistencyProblems();
    if (problems.length > 0) {
      $("replay-warning").hidden = false;
      $("replay-warning").textContent = "The page's replay disagrees with the evaluator: " + problems.join("; ");
    }
  }

  // The page's own replay must reach the verdict that the evaluator gave.
  function consistencyProblems() {
    if (!data.replayed || bad) return [];
    const mine = replay.firstUnflooded, theirs = data.firstUnflooded;
    if (data.verdict.passed && mine) return ["cell " + (mine.x + 1) + ", " + (mine.y + 1) + " stays unflooded"];
    if (theirs && (!mine || mine.x !== theirs.x || mine.y !== theirs.y)) {
      return ["the first unflooded cell is " + (mine ? (mine.x + 1) + ", " + (mine.y + 1) : "none")];
    }
    return [];
  }

  // ---- The grid. ----
  const canvas = $("grid"), context = canvas.getContext("2d");
  const scale = Math.max(1, Math.floor(Math.min(720 / w, 720 / h)));
  canvas.width = w * scale;
  canvas.height = h * scale;
  const cellsCanvas = document.createElement("canvas");
  cellsCanvas.width = w;
  cellsCanvas.height = h;
  const cellsContext = cellsCanvas.getContext("2d");
  const image = cellsContext.createImageData(w, h);
  const pixels = new Uint32Array(image.data.buffer);
  context.imageSmoothingEnabled = false;

  // Without the evaluator's replay not even the start is flooded: turn -1.
  function turnAt(position) { return data.replayed ? Math.min(position, moves.length) : -1; }
  function regionColourAt(position) {
    const turn = turnAt(position);
    return turn <= 0 ? cells[0] : moves[turn - 1];
  }

  function drawGrid(position) {
    const turn = turnAt(position), shade = flooded.pixels[regionColourAt(position)];
    const own = palette.pixels, floodedAt = replay.floodedAt;
    for (let i = 0; i < cellCount; i++) pixels[i] = floodedAt[i] <= turn ? shade : own[cells[i]];
    cellsContext.putImageData(image, 0, 0);
    context.drawImage(cellsCanvas, 0, 0, w * scale, h * scale);
    if (scale >= 4) outlineRegion(turn);
    if (scale >= 10 && turn > 0 && position <= moves.length) frameAbsorbed(turn);
    markFirstUnflooded();
  }

  // The region's border as one path, where cells are large enough to show it.
  function outlineRegion(turn) {
    const floodedAt = replay.floodedAt;
    const inside = (x, y) => x >= 0 && y >= 0 && x < w && y < h && floodedAt[y * w + x] <= turn;
    context.beginPath();
    for (let y = 0; y < h; y++) {
      for (let x = 0; x < w; x++) {
        if (!inside(x, y)) continue;
        const left = x * scale, top = y * scale;
        if (!inside(x + 1, y)) { context.moveTo(left + scale, top); context.lineTo(left + scale, top + scale); }
        if (!inside(x - 1, y)) { context.moveTo(left, top); context.lineTo(left, top + scale); }
        if (!inside(x, y - 1)) { context.moveTo(left, top); context.lineTo(left + scale, top); }
        if (!inside(x, y + 1)) { context.moveTo(left, top + scale); context.lineTo(left + scale, top + scale); }
      }
    }
    context.strokeStyle = "#000";
    context.lineWidth = 2;
    context.stroke();
  }

  // A thin white frame inside every cell that this move absorbed.
  function frameAbsorbed(turn) {
    const floodedAt = replay.floodedAt;
    context.beginPath();
    for (let i = 0; i < cellCount; i++) {
      if (floodedAt[i] === turn) context.rect((i % w) * scale + 2.5, ((i / w) | 0) * scale + 2.5, scale - 5, scale - 5);
    }
    context.strokeStyle = "#fff";
    context.lineWidth = 1;
    context.stroke();
  }

  function markFirstUnflooded() {
    const cell = data.firstUnflooded;
    if (!cell) return;
    // Inside a large cell; around a small one.
    const centre = cellCentre(cell.x, cell.y), radius = scale >= 16 ? scale * 0.36 : Math.max(8, scale * 1.2);
    context.beginPath();
    context.arc(centre.x, centre.y, radius, 0, 2 * Math.PI);
    context.strokeStyle = "#000";
    context.lineWidth = 5;
    context.stroke();
    context.strokeStyle = "#fff";
    context.lineWidth = 1.5;
    context.stroke();
  }

  function cellCentre(x, y) {
    return { x: x * scale + Math.floor(scale / 2), y: y * scale + Math.floor(scale / 2) };
  }

  canvas.addEventListener("mousemove", (event) => {
    const box = canvas.getBoundingClientRect();
    const x = Math.floor((event.clientX - box.left) * canvas.width / box.width / scale);
    const y = Math.floor((event.clientY - box.top) * canvas.height / box.height / scale);
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    const at = replay.floodedAt[y * w + x];
    $("cell-info").textContent = "Cell " + (x + 1) + " in row " + (y + 1) + ": colour " + cells[y * w + x] +
      (at === NEVER ? ", never flooded" : at === 0 ? ", in the starting region" : ", flooded by move " + at);
  });

  // ---- The chart of the region's size. ----
  const chart = $("chart"), chartContext = chart.getContext("2d");
  const chartBase = document.createElement("canvas");
  const PAD = { left: 8, right: 8, top: 10, bottom: 16 };
  chartBase.width = chart.width;
  chartBase.height = chart.height;
  const plotWidth = chart.width - PAD.left - PAD.right, plotHeight = chart.height - PAD.top - PAD.bottom;
  const chartX = (position) => PAD.left + (last === 0 ? 0 : position / last * plotWidth);
  const chartY = (size) => PAD.top + plotHeight * (1 - size / cellCount);

  function drawChartBase() {
    const g = chartBase.getContext("2d");
    g.fillStyle = "#fff";
    g.fillRect(0, 0, chart.width, chart.height);
    g.strokeStyle = "#d5d9e2";
    g.setLineDash([3, 3]);
    g.beginPath();
    g.moveTo(PAD.left, chartY(cellCount));
    g.lineTo(PAD.left + plotWidth, chartY(cellCount));
    g.stroke();
    g.setLineDash([]);
    g.beginPath();
    // One sample per pixel column: the size is monotone, so nothing is lost between.
    for (let px = 0; px <= plotWidth; px++) {
      const turn = Math.min(moves.length, Math.round(px / plotWidth * last));
      const y = chartY(replay.regionSize[turn]);
      if (px === 0) g.moveTo(PAD.left, y); else g.lineTo(PAD.left + px, y);
    }
    g.strokeStyle = "#2f6fd0";
    g.lineWidth = 1.5;
    g.stroke();
    if (bad) {
      g.strokeStyle = "#c0262d";
      g.lineWidth = 2;
      g.beginPath();
      g.moveTo(chartX(last), PAD.top);
      g.lineTo(chartX(last), PAD.top + plotHeight);
      g.stroke();
    }
    g.fillStyle = "#5b6478";
    g.font = "11px system-ui, sans-serif";
    g.fillText("region size (of " + cellCount + ")", PAD.left + 2, PAD.top + 10);
    g.fillText("move 0", PAD.left, chart.height - 3);
    g.textAlign = "right";
    g.fillText("move " + last, PAD.left + plotWidth, chart.height - 3);
  }

  function drawChart(position) {
    chartContext.drawImage(chartBase, 0, 0);
    const x = chartX(position), y = chartY(replay.regionSize[Math.max(0, turnAt(position))]);
    chartContext.strokeStyle = "#1d2433";
    chartContext.lineWidth = 1;
    chartContext.beginPath();
    chartContext.moveTo(x, PAD.top);
    chartContext.lineTo(x, PAD.top + plotHeight);
    chartContext.stroke();
    chartContext.fillStyle = "#1d2433";
    chartContext.beginPath();
    chartContext.arc(x, y, 3, 0, 2 * Math.PI);
    chartContext.fill();
  }

  function seekFromChart(event) {
    const box = chart.getBoundingClientRect();
    const px = (event.clientX - box.left) * chart.width / box.width - PAD.left;
    show(Math.round(px / plotWidth * last));
  }
  chart.addEventListener("mousedown", (event) => { pause(); seekFromChart(event); });
  chart.addEventListener("mousemove", (event) => { if (event.buttons & 1) seekFromChart(event); });

  // ---- The move panel, the slider and playing. ----
  let position = 0;

  function describeMove() {
    const turn = turnAt(position), colour = regionColourAt(position);
    $("move-number").textContent = String(position);
    $("move-swatch").style.background = palette.css[colour];
    $("move-colour").textContent = String(colour);
    $("region-size").textContent = turn < 0 ? "none" : String(replay.regionSize[turn]);
    $("absorbed").textContent = turn < 0 ? "none" : String(replay.absorbed[turn]);
    let note = !data.replayed ? "No replay: the section failed before it."
      : position === 0 ? "The start: the area of the top-left cell's colour." : "";
    if (bad && position === last) {
      $("move-colour").textContent = String(bad.colour);
      $("move-swatch").style.background = "transparent";
      $("absorbed").textContent = "none";
      note = "Move " + bad.turn + " names colour " + bad.colour + ", not one of 1 ... " + data.b +
        ": the evaluator stops here.";
    }
    $("move-note").textContent = note;
  }

  function show(target) {
    position = Math.max(0, Math.min(last, Math.round(target)));
    $("slider").value = String(position);
    drawGrid(position);
    drawChart(position);
    describeMove();
  }

  const SPEEDS = [1, 2, 5, 10, 25, 50, 100, 250, 1000, 5000, 25000, 100000];
  let playing = false, playStart = 0, playFrom = 0;

  function movesPerSecond() { return Number($("speed").value); }
  function play() {
    if (last === 0) return;
    if (position >= last) show(0);
    playing = true;
    playStart = performance.now();
    playFrom = position;
    $("play").textContent = "Pause";
    requestAnimationFrame(tick);
  }
  function pause() {
    playing = false;
    $("play").textContent = "Play";
  }
  function tick(now) {
    if (!playing) return;
    const target = playFrom + Math.floor((now - playStart) / 1000 * movesPerSecond());
    if (target !== position) show(target);
    if (position >= last) { pause(); return; }
    requestAnimationFrame(tick);
  }

  function setUpControls() {
    const speed = $("speed");
    // About ten seconds for the whole replay.
    const wanted = SPEEDS.find((s) => s * 10 >= last) || SPEEDS[SPEEDS.length - 1];
    for (const s of SPEEDS) {
      const option = document.createElement("option");
      option.value = String(s);
      option.textContent = s + " moves/s";
      option.selected = s === wanted;
      speed.appendChild(option);
    }
    speed.addEventListener("change", () => { if (playing) { playStart = performance.now(); playFrom = position; } });
    const slider = $("slider");
    slider.max = String(last);
    slider.addEventListener("input", () => { pause(); show(Number(slider.value)); });
    $("first").addEventListener("click", () => { pause(); show(0); });
    $("back").addEventListener("click", () => { pause(); show(position - 1); });
    $("forward").addEventListener("click", () => { pause(); show(position + 1); });
    $("last").addEventListener("click", () => { pause(); show(last); });
    $("play").addEventListener("click", () => (playing ? pause() : play()));
    $("move-total").textContent = String(last);
    $("cell-total").textContent = String(cellCount);

    const steps = { ArrowRight: 1, ArrowLeft: -1, PageDown: 100, PageUp: -100 };
    // Capturing, so that the slider does not also move on the same key.
    document.addEventListener("keydown", (event) => {
      if (event.target instanceof HTMLSelectElement || event.ctrlKey || event.metaKey || event.altKey) return;
      let handled = true;
      if (event.key in steps) { pause(); show(position + steps[event.key] * (event.shiftKey ? 10 : 1)); }
      else if (event.key === "Home") { pause(); show(0); }
      else if (event.key === "End") { pause(); show(last); }
      else if (event.key === " ") { playing ? pause() : play(); }
      else handled = false;
      if (handled) event.preventDefault();
    }, true);
  }

  showVerdict();
  drawChartBase();
  setUpControls();
  show(0);

  // For scripts and tests that drive the page.
  window.barvotokViewer = {
    show, play, pause, cellCentre,
    get position() { return position; },
    get playing() { return playing; },
    last, scale,
    replayFirstUnflooded: replay.firstUnflooded,
    consistent: consistencyProblems().length === 0,
  };
})();
