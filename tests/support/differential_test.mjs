// Another build of the evaluator against the native one, byte for byte:
// thousands of random evaluations (random_cases.mjs), each judged by the
// native executable and by the other build, whose reports and exit statuses
// must agree. The other build is
//   - Zvn22Barvotok.js, the WebAssembly build, loaded once and run as a
//     program again and again in this process; or
//   - Zvn22Barvotok.exe, the Windows build, run under Wine: its report is
//     written in text mode, so every line must end in CR LF, and it is
//     compared after CR LF is read as LF.
// Usage: node differential_test.mjs NATIVE_EVALUATOR OTHER_EVALUATOR [CASES]
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import { createRequire } from "node:module";
import os from "node:os";
import path from "node:path";
import { randomCase, randomSource } from "./random_cases.mjs";

const [native, other, countText] = process.argv.slice(2);
const count = Number(countText || 2000);
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "barvotok-differential-"));

// Runs the other build; returns its exit status and its report as the native build would write it.
async function otherEvaluator() {
  if (other.endsWith(".exe")) {
    return (args, report) => {
      // The evaluator exits 0 or 1 and always leaves its report; any other
      // status, or no report, is Wine failing to run it at all (seen on a
      // loaded machine and in a prefix still settling), so that run is tried
      // again. The report must then be there and agree.
      let status;
      const ran = () => (status === 0 || status === 1) && fs.existsSync(report);
      for (let attempt = 0; attempt < 3 && !ran(); attempt++) {
        status = spawnSync("wine", [other, ...args], { stdio: "ignore" }).status;
      }
      const bytes = fs.readFileSync(report).toString("latin1");
      assert.doesNotMatch(bytes, /(^|[^\r])\n/, "a line of the Windows report ends in a bare LF");
      return { status, report: Buffer.from(bytes.replace(/\r\n/g, "\n"), "latin1") };
    };
  }
  const create = createRequire(import.meta.url)(path.resolve(other));
  const evaluator = await create({ thisProgram: "Zvn22Barvotok", print: () => {}, printErr: () => {} });
  return (args, report) => ({ status: evaluator.callMain(args), report: fs.readFileSync(report) });
}

try {
  const run = await otherEvaluator();
  const random = randomSource(20261209);
  const verdicts = new Map();
  for (let i = 0; i < count; i++) {
    // Files of their own for each case: Wine may still hold the last case's
    // files for a moment after its process ended, and Windows would not let
    // them be opened again meanwhile.
    const [input, submission, nativeReport, otherReport] =
      ["input", "submission", "native", "other"].map((name) => path.join(scratch, `${name}-${i}.txt`));
    const evaluation = randomCase(random);
    fs.writeFileSync(input, evaluation.input, "latin1");
    fs.writeFileSync(submission, evaluation.submission, "latin1");
    const nativeStatus = spawnSync(native, ["eval", input, submission, nativeReport]).status;
    const actual = run(["eval", input, submission, otherReport], otherReport);
    const expected = fs.readFileSync(nativeReport);
    assert.equal(actual.status, nativeStatus, `case ${i}: exit status`);
    assert.ok(actual.report.equals(expected),
      `case ${i}: the reports differ\n--- native\n${expected}\n--- other\n${actual.report}\n` +
      `--- input\n${JSON.stringify(evaluation.input)}\n--- submission\n${JSON.stringify(evaluation.submission)}`);
    for (const file of [input, submission, nativeReport, otherReport]) fs.rmSync(file, { force: true });
    const line = expected.toString("latin1").split("\n")[0], check = /^Napaka \[Zvn22Barvotok:(\d+)\]/.exec(line);
    const verdict = check ? "check line " + check[1] : line.slice(0, 40);
    verdicts.set(verdict, (verdicts.get(verdict) || 0) + 1);
  }
  // The cases must reach both verdicts and many checks, or they prove little.
  assert.ok((verdicts.get("OK") || 0) > count / 10, "too few passing cases");
  assert.ok(verdicts.size >= Math.min(20, count / 20), `only ${verdicts.size} kinds of verdict`);
  console.log(`${count} evaluations agree byte for byte; verdicts met:`);
  for (const [verdict, times] of [...verdicts].sort((a, b) => b[1] - a[1])) console.log(`  ${times}\t${verdict}`);
  console.log(`${count} passed, 0 failed`);
} finally {
  fs.rmSync(scratch, { recursive: true, force: true });
}
