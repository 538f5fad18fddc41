// A few checks that count, for the browser tests: each failure is printed
// with what was expected, and the summary line ends the run.
"use strict";

class Checks {
  constructor(name) {
    this.name = name;
    this.passed = 0;
    this.failed = 0;
  }

  that(condition, message) {
    if (condition) {
      ++this.passed;
    } else {
      ++this.failed;
      console.log("FAILED: " + message);
    }
  }

  contains(text, part, what) {
    this.that(text.includes(part), what + " holds " + JSON.stringify(part) + "; it reads:\n" + text);
  }

  // Prints the summary and gives the exit status.
  finish() {
    console.log(this.name + ": " + this.passed + " passed, " + this.failed + " failed");
    return this.failed === 0 ? 0 : 1;
  }
}

module.exports = {Checks};
