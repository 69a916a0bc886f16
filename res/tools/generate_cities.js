#!/usr/bin/env node
// Generates the city reference tables under res/data from the administrative
// division and pinyin packages pinned in res/package.json, plus the hand-kept
// scenic spot list and province climate table.
//
//   node res/tools/generate_cities.js          (writes the CSVs)
//   node res/tools/generate_cities.js --check  (fails when the CSVs are stale)
'use strict';

const fs = require('fs');
const path = require('path');

const {dataDir, requireRes, readDivision} = require('./res_packages');
const {pinyin, customPinyin} = requireRes('pinyin-pro');

const placeNames = require('./place_names');

customPinyin(placeNames.readings);

// ---------------------------------------------------------------------------
// Names as people type them

// The shortest stem of two or more characters, so that "陵水黎族自治县" is
// "陵水" and not "陵" + "水黎族".
const ethnicTail = new RegExp(
    '^(.{2,}?)(?:(?:' + [...placeNames.ethnicGroups].sort((a, b) => b.length - a.length).join('|') +
    ')族?)+自治(州|县|旗)$');

const ethnicWords = new RegExp('(?:' + placeNames.ethnicGroups.join('|') + ')族$');

// Tails that may be cut from an official name, by kind of place.
const TAILS = {
  prefecture: ['地区', '市', '盟'],
  countyCity: ['市'],
  county: ['林区', '特区', '县'],
  district: ['新区', '区'],
};

// An autonomous place whose name is its people's ("东乡族自治县").
const autonomousTail = /^(.{2,}?)族?自治(州|县|旗)$/;

// Returns the name people type for an official name and the fuller form used
// when that name is taken by a more important place ("本溪满族自治县" is
// "本溪", or "本溪县" next to the city 本溪).
function shortNames(full, kind = 'prefecture') {
  const m = ethnicTail.exec(full) || autonomousTail.exec(full);
  if (m) {
    // A banner keeps its kind: "莫力达瓦达斡尔族自治旗" is called "莫力达瓦旗".
    const fuller = m[1] + m[2];
    return {short: m[2] === '旗' ? fuller : m[1], fuller};
  }
  for (const tail of TAILS[kind]) {
    if (full.endsWith(tail)) {
      // "管城回族区" is called "管城"; "井陉矿区" keeps its "矿区".
      const stem = full.slice(0, -tail.length).replace(ethnicWords, '');
      const usable = stem.length >= 2 && !/[市县区矿]$/.test(stem);
      return {short: usable ? stem : full, fuller: full};
    }
  }
  return {short: full, fuller: full};
}

const shortName = (full, kind) => shortNames(full, kind).short;

function initials(name) {
  const letters = pinyin(name, {pattern: 'first', toneType: 'none', type: 'array'})
                      .join('')
                      .toUpperCase();
  if (!/^[A-Z]+$/.test(letters)) throw new Error(`no pinyin initials for ${name}: ${letters}`);
  return letters;
}

// ---------------------------------------------------------------------------
// Administrative divisions

const provinces = readDivision('provinces.json');
const cities = readDivision('cities.json');
const areas = readDivision('areas.json');
const municipalities = new Set(['11', '12', '31', '50']);

// Lower rank wins a clash of short names and comes first in City ID order, so
// that typed initials find the best-known place first.
const RANK = {municipality: 0, capital: 1, prefecture: 2, countyCity: 3, county: 4, district: 5};
const KIND = ['prefecture', 'prefecture', 'prefecture', 'countyCity', 'county', 'district'];

const entries = [];
for (const p of provinces) {
  if (municipalities.has(p.code)) {
    entries.push({full: p.name, code: p.code + '0000', rank: RANK.municipality, province: p.code});
  }
}
for (const c of cities) {
  if (municipalities.has(c.provinceCode) || c.name.endsWith('直辖县级行政区划')) continue;
  const major = placeNames.majorCities.includes(shortName(c.name));
  entries.push({
    full: c.name,
    code: c.code + '00',
    rank: major ? RANK.capital : RANK.prefecture,
    province: c.provinceCode,
  });
}
const cityName = new Map(cities.map((c) => [c.code, c.name]));
// The districts of the municipalities and of the large cities are searched
// for on their own.
const metroCodes = new Set(cities.filter((c) => placeNames.majorCities.includes(shortName(c.name))).map((c) => c.code));
for (const a of areas) {
  // Cities without counties list themselves once more as their only area.
  if (cityName.get(a.cityCode) === a.name) continue;
  // Codes 70 to 79 are development zones, not places people look up.
  if (/7\d$/.test(a.code)) continue;
  let rank;
  if (a.name.endsWith('市')) rank = RANK.countyCity;
  // Forest areas and special districts stand in for counties; provincially
  // administered ones sit under a city code ending in 90.
  else if (/(县|旗|特区)$/.test(a.name) || (/林区$/.test(a.name) && a.cityCode.endsWith('90'))) rank = RANK.county;
  else if (a.name.endsWith('区') && (municipalities.has(a.provinceCode) || metroCodes.has(a.cityCode))) {
    rank = RANK.district;
  } else {
    continue;
  }
  entries.push({full: a.name, code: a.code, rank, province: a.provinceCode, city: a.cityCode});
}

// Short names are used unless two places would share one; then the lower
// ranked places take their fuller names. A short name that is another
// province's name ("海南" in Qinghai) would be mistaken for the province.
const provinceNames = new Set(Object.values(placeNames.provinceShort));
const byShort = new Map();
for (const e of entries) {
  ({short: e.name, fuller: e.fuller} = shortNames(e.full, KIND[e.rank]));
  if (provinceNames.has(e.name) && placeNames.provinceShort[e.province] !== e.name) e.name = e.fuller;
  if (!byShort.has(e.name)) byShort.set(e.name, []);
  byShort.get(e.name).push(e);
}
for (const group of byShort.values()) {
  if (group.length < 2) continue;
  const best = Math.min(...group.map((e) => e.rank));
  const winners = group.filter((e) => e.rank === best);
  for (const e of group) {
    if (e.rank !== best || winners.length > 1) e.name = e.fuller;
  }
}
// Official names that still clash get their city's name in front when they
// are districts ("南京鼓楼区") and their province's otherwise.
const byName = new Map();
for (const e of entries) byName.set(e.name, (byName.get(e.name) || 0) + 1);
for (const e of entries) {
  if (byName.get(e.name) <= 1) continue;
  const city = e.rank === RANK.district && !municipalities.has(e.province) ? cityName.get(e.city) : '';
  e.name = (city ? shortName(city) : placeNames.provinceShort[e.province]) + e.name;
}

const majorOrder = (e) => e.rank === RANK.capital ? placeNames.majorCities.indexOf(e.name) : 0;
entries.sort((a, b) => a.rank - b.rank || majorOrder(a) - majorOrder(b) || a.code.localeCompare(b.code));
entries.forEach((e, i) => {
  e.id = String(100001 + i);
  e.initials = initials(e.name);
});

// ---------------------------------------------------------------------------
// Region tree: provinces, their cities and scenic spots. The choosers list it
// by City ID descending, so IDs count down in display order.

function readScenicSpots() {
  const text = fs.readFileSync(path.join(dataDir, 'scenic_spots.txt'), 'utf8');
  const spots = [];
  text.split('\n').forEach((line, i) => {
    line = line.replace(/#.*/, '').trim();
    if (!line) return;
    const fields = line.split(',').map((f) => f.trim());
    if (fields.length !== 3) throw new Error(`scenic_spots.txt:${i + 1}: expected province,name,nearest city`);
    spots.push({province: fields[0], name: fields[1], nearest: fields[2], line: i + 1});
  });
  return spots;
}

const provinceByShort = new Map(Object.entries(placeNames.provinceShort).map(([code, s]) => [s, code]));
const systemByName = new Map(entries.map((e) => [e.name, e]));
const regions = [];
let nextRegionId = 999999;
const regionId = () => String(nextRegionId--);
const provinceRegion = new Map();
for (const p of provinces) {
  const r = {id: regionId(), code: p.code + '0000', name: placeNames.provinceShort[p.code], parent: '', level: '1'};
  provinceRegion.set(p.code, r);
  regions.push(r);
}
for (const p of provinces) {
  const members = entries.filter((e) => e.province === p.code &&
      (municipalities.has(p.code) ? e.rank >= RANK.countyCity : e.rank <= RANK.prefecture));
  members.sort((a, b) => a.code.localeCompare(b.code));
  for (const e of members) {
    // "吉林" the city must not be found instead of "吉林" the province.
    const name = provinceNames.has(e.name) ? e.fuller : e.name;
    regions.push({id: regionId(), code: e.code, name, parent: provinceRegion.get(p.code).id, level: '2'});
  }
}
const spotCount = new Map();
for (const s of readScenicSpots()) {
  const provinceCode = provinceByShort.get(s.province);
  if (!provinceCode) throw new Error(`scenic_spots.txt:${s.line}: unknown province ${s.province}`);
  const near = systemByName.get(s.nearest);
  if (!near) throw new Error(`scenic_spots.txt:${s.line}: unknown city ${s.nearest}`);
  if (near.province !== provinceCode) throw new Error(`scenic_spots.txt:${s.line}: ${s.nearest} is not in ${s.province}`);
  if (systemByName.has(s.name)) throw new Error(`scenic_spots.txt:${s.line}: ${s.name} is also a city name`);
  const n = (spotCount.get(provinceCode) || 0) + 1;
  spotCount.set(provinceCode, n);
  // Eight digits: province prefix, "99", running number; never clashes with
  // the six-digit division codes.
  const code = provinceCode + '99' + String(n).padStart(4, '0');
  regions.push({id: regionId(), code, name: s.name, parent: provinceRegion.get(provinceCode).id, level: '3'});
}

// ---------------------------------------------------------------------------
// Checks and output

function assertUnique(rows, key, what) {
  const seen = new Set();
  for (const r of rows) {
    if (seen.has(r[key])) throw new Error(`duplicate ${what}: ${r[key]}`);
    seen.add(r[key]);
  }
}
assertUnique(entries, 'id', 'city ID');
assertUnique(entries, 'code', 'city code');
assertUnique(entries, 'name', 'city name');
assertUnique(regions, 'id', 'region ID');
assertUnique(regions, 'code', 'region code');
assertUnique(regions, 'name', 'region name');
for (const e of entries) {
  if (e.name.length > 19 || e.code.length > 10 || e.id.length > 6) throw new Error(`field too long: ${e.name}`);
}
for (const r of regions) {
  if (r.name.length > 19 || r.code.length > 10) throw new Error(`field too long: ${r.name}`);
}
for (const p of provinces) {
  if (!spotCount.get(p.code)) throw new Error(`no scenic spot in ${p.name}`);
}

const csv = (header, rows) => header.join(',') + '\n' + rows.map((r) => {
  for (const v of r) if (/[,"\n]/.test(v)) throw new Error(`unexpected character in ${v}`);
  return r.join(',');
}).join('\n') + '\n';

const outputs = {
  'system_cities.csv': csv(['city_id', 'initials', 'name', 'code'], entries.map((e) => [e.id, e.initials, e.name, e.code])),
  'regions.csv': csv(['city_id', 'code', 'name', 'parent_id', 'level'], regions.map((r) => [r.id, r.code, r.name, r.parent, r.level])),
  'provinces.csv': csv(['prefix', 'name', 'latitude', 'altitude_class'], provinces.map((p) => {
    const climate = placeNames.provinceClimate[p.code];
    if (!climate) throw new Error(`no climate for ${p.name}`);
    return [p.code, placeNames.provinceShort[p.code], climate[0].toFixed(1), String(climate[1])];
  })),
};

const check = process.argv.includes('--check');
let stale = false;
for (const [file, text] of Object.entries(outputs)) {
  const target = path.join(dataDir, file);
  if (check) {
    const current = fs.existsSync(target) ? fs.readFileSync(target, 'utf8') : '';
    if (current !== text) {
      console.error(`${file} is out of date`);
      stale = true;
    }
  } else {
    fs.writeFileSync(target, text);
  }
}
if (stale) process.exit(1);
console.log(`${entries.length} cities, ${regions.filter((r) => r.level === '3').length} scenic spots, ` +
            `${regions.length} region entries`);
