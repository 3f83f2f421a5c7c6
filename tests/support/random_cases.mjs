// Random evaluations for the web build's tests: small test sets, and
// submissions that mostly pass or fail late (answers that flood their grid),
// with bytes changed here and there so that every check of both files is
// met. A fixed seed gives the same cases every run.

export function randomSource(seed) {
  let state = seed >>> 0;
  const next = () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  return { next, below: (n) => Math.floor(next() * n), chance: (p) => next() < p };
}

function grid(random, w, h, b) {
  const cells = [];
  for (let i = 0; i < w * h; i++) {
    // Runs of a colour, so that floods take several cells at once.
    cells.push(i > 0 && random.chance(0.35) ? cells[i - 1] : 1 + random.below(b));
  }
  return cells;
}

// Moves that flood the whole grid: each takes the colour of some cell on the
// region's border, until none is left. Not the evaluator's replay: a plain
// model written for the tests.
function floodingMoves(random, cells, w, h) {
  const flooded = new Uint8Array(w * h), moves = [];
  const spread = (colour) => {
    const stack = [];
    for (let i = 0; i < w * h; i++) if (flooded[i]) stack.push(i);
    while (stack.length > 0) {
      const i = stack.pop(), x = i % w, y = (i - x) / w;
      for (const [nx, ny] of [[x - 1, y], [x + 1, y], [x, y - 1], [x, y + 1]]) {
        const j = ny * w + nx;
        if (nx >= 0 && ny >= 0 && nx < w && ny < h && !flooded[j] && cells[j] === colour) {
          flooded[j] = 1;
          stack.push(j);
        }
      }
    }
  };
  flooded[0] = 1;
  spread(cells[0]);
  for (;;) {
    const left = [];
    for (let i = 0; i < w * h; i++) if (!flooded[i]) left.push(i);
    if (left.length === 0) return moves;
    const colour = cells[left[random.below(left.length)]];
    moves.push(colour);
    spread(colour);
  }
}

const NOISE = [" ", "\t", "\r", "\n", "\r\n", "0", "9", "-", "+", "\0", "\x0b", "\f", "x", "2147483648", "101"];

// Changes a few bytes of a text: inserts, deletes or replaces them.
function mutate(random, text, changes) {
  for (let k = 0; k < changes; k++) {
    const at = random.below(text.length + 1), noise = NOISE[random.below(NOISE.length)];
    const what = random.below(3);
    text = what === 0 ? text.slice(0, at) + noise + text.slice(at)
      : what === 1 ? text.slice(0, at) + text.slice(at + 1)
        : text.slice(0, at) + noise + text.slice(at + 1);
  }
  return text;
}

// One evaluation: { input, submission } as strings of bytes (latin1).
export function randomCase(random) {
  const count = 1 + random.below(3), cases = [];
  let input = "Barvotok\n" + count + "\n";
  for (let n = 1; n <= count; n++) {
    const w = 1 + random.below(7), h = 1 + random.below(7), b = 1 + random.below(5);
    const cells = grid(random, w, h, b);
    cases.push({ w, h, b, cells });
    input += "\n" + n + "\n" + w + " " + h + " " + b + "\n";
    for (let y = 0; y < h; y++) input += cells.slice(y * w, (y + 1) * w).join(" ") + "\n";
  }
  let submission = (random.chance(0.9) ? "123456" : "12345") + "\nBarvotok\n";
  const sections = random.below(5);
  for (let s = 0; s < sections; s++) {
    const n = 1 + random.below(count), { w, h, b, cells } = cases[n - 1];
    let moves = floodingMoves(random, cells, w, h);
    if (random.chance(0.15) && moves.length > 0) moves = moves.slice(0, -1);  // one short
    if (random.chance(0.1)) moves.push(1 + random.below(b + 1));  // one more, maybe no colour
    submission += (random.chance(0.5) ? "\n" : "") + n + "\n" + moves.length + "\n" + moves.join(" ") + "\n";
  }
  if (random.chance(0.2)) input = mutate(random, input, 1 + random.below(3));
  if (random.chance(0.45)) submission = mutate(random, submission, 1 + random.below(3));
  if (random.chance(0.1)) submission = submission.replace(/\n/g, "\r\n");
  return { input, submission };
}
