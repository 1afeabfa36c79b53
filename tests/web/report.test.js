// The program's self-check under node: the report byte for byte, as the desktop prints it.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const { repository, siteDir } = require('./browser.js');

test('node corvexa.js --test prints the report and ends with status 0', () => {
    const expected = fs.readFileSync(path.join(repository, 'tests/e2e/expected_report.txt'));
    // execFileSync throws on any other status.
    const output = execFileSync(process.execPath, [path.join(siteDir, 'corvexa.js'), '--test']);
    assert.ok(output.equals(expected), `got:\n${output}`);
});
