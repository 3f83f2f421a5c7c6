// The web build's evaluator against the native one, byte for byte: thousands
// of random evaluations (random_cases.mjs), each judged by the native
// executable and by Zvn22Barvotok.js, loaded once and run as a program
// again and again in this process. Their reports and exit statuses must agree.
// Usage: node differential_test.mjs NATIVE_EVALUATOR WEB_EVALUATOR_JS [CASES]
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import { createRequire } from "node:module";
import os from "node:os";
import path from "node:path";
import { randomCase, randomSource } from "./random_cases.mjs";

const [native, web, countText] = process.argv.slice(2);
const count = Number(countText || 2000);
const createEvaluator = createRequire(import.meta.url)(path.resolve(web));
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "barvotok-web-differential-"));

try {
  const evaluator = await createEvaluator({ thisProgram: "Zvn22Barvotok", print: () => {}, printErr: () => {} });
  const random = randomSource(20261209);
  const input = path.join(scratch, "input.txt"), submission = path.join(scratch, "submission.txt");
  const nativeReport = path.join(scratch, "native.txt"), webReport = path.join(scratch, "web.txt");
  const verdicts = new Map();
  for (let i = 0; i < count; i++) {
    const evaluation = randomCase(random);
    fs.writeFileSync(input, evaluation.input, "latin1");
    fs.writeFileSync(submission, evaluation.submission, "latin1");
    const nativeStatus = spawnSync(native, ["eval", input, submission, nativeReport]).status;
    const webStatus = evaluator.callMain(["eval", input, submission, webReport]);
    const expected = fs.readFileSync(nativeReport), actual = fs.readFileSync(webReport);
    assert.equal(webStatus, nativeStatus, `case ${i}: exit status`);
    assert.ok(actual.equals(expected),
      `case ${i}: the reports differ\n--- native\n${expected}\n--- web\n${actual}\n--- input\n${JSON.stringify(evaluation.input)}\n` +
      `--- submission\n${JSON.stringify(evaluation.submission)}`);
    const line = expected.toString("latin1").split("\n")[0], check = /^Napaka \[Zvn22Barvotok:(\d+)\]/.exec(line);
    const verdict = check ? "check line " + check[1] : line.slice(0, 40);
    verdicts.set(verdict, (verdicts.get(verdict) || 0) + 1);
  }
  // The cases must reach both verdicts and many checks, or they prove little.
  assert.ok((verdicts.get("OK") || 0) > count / 10, "too few passing cases");
  assert.ok(verdicts.size >= 20, `only ${verdicts.size} kinds of verdict`);
  console.log(`${count} evaluations agree byte for byte; verdicts met:`);
  for (const [verdict, times] of [...verdicts].sort((a, b) => b[1] - a[1])) console.log(`  ${times}\t${verdict}`);
  console.log(`${count} passed, 0 failed`);
} finally {
  fs.rmSync(scratch, { recursive: true, force: true });
}
