// Run by Node as a program, the module is the evaluator with its own command
// line, report file, standard output and exit status; required as a module,
// it gives the factory, so that a test can run it many times in one process.
if (typeof require !== "undefined" && require.main === module) {
  createZvn22Barvotok({ thisProgram: "Zvn22Barvotok" }).then((evaluator) => {
    process.exitCode = evaluator.callMain(process.argv.slice(2));
  });
}
