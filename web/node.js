// Under node the module reads its .wasm from the disk: node's fetch takes no file path.
if (typeof process == 'object' && typeof window == 'undefined') {
    Module['wasmBinary'] = require('fs').readFileSync(__filename.replace(/\.js$/, '.wasm'));
}
