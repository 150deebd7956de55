#!/usr/bin/env node
// Writes src/core/koyomi_table.cpp: the traditional Japanese calendar's lunar months with the days
// of the Moon's quarters, the days of the 24 solar terms, and the days of the Sun's other longitudes
// that the 雑節 need, from 1900-01-01 to 2100-12-31, every day counted in Japan Standard Time. The
// plug-in does no astronomy; everything it knows of the old calendar comes from this table, and
// what is only counted in days from it (干支, 節分, 彼岸, 社日, 開運日 ...) it counts itself.
//
// usage: node tools/koyomi/generate.js [OUT]      (without OUT, the table goes to stdout)
//
// The rules:
//  - A new moon is the instant the Moon's apparent geocentric ecliptic longitude equals the Sun's.
//    A lunar month begins on the JST day that holds its new moon and ends the day before the next.
//  - 中気 are the days the Sun's apparent longitude reaches a multiple of 30 degrees; the 24 terms
//    those of every multiple of 15 degrees.
//  - The month that holds 冬至 (270 degrees) is the 11th. From one such month to the next there are
//    12 or 13 months; with 13, the first that holds no 中気 is the leap month and takes the number
//    of the month before it. In 2033 this gives 閏11月 from 2033-12-22, as the calendar
//    publishers recommend.
//  - 上弦, 満月 and 下弦 fall on the JST days that hold the instants the Moon's apparent longitude
//    exceeds the Sun's by 90, 180 and 270 degrees; 新月 on the month's first day.
//  - 入梅 and 半夏生 are the days the Sun reaches 80 and 100 degrees, 土用入り those it reaches 297,
//    27, 117 and 207 degrees (January, April, July, October).
//  - 社日 may hang on whether 春分 or 秋分 falls before or after noon JST, so the table says which.
'use strict';

const fs = require('fs');
const path = require('path');
const Astronomy = require('astronomy-engine');

const kDayMs = 86400000;
const kJstOffsetMs = 9 * 3600000;
const kNearMidnightMs = 2 * 60000;
const kHalfDayMs = kDayMs / 2;
const kFirstYear = 1900;
const kLastYear = 2100;

// The 24 terms in the order of the table's rows: 小寒 (285 degrees) first, 冬至 (270) last; term k
// falls in month k / 2 + 1 of the civil calendar.
const kTermNames = [
  '小寒', '大寒', '立春', '雨水', '啓蟄', '春分', '清明', '穀雨', '立夏', '小満', '芒種', '夏至',
  '小暑', '大暑', '立秋', '処暑', '白露', '秋分', '寒露', '霜降', '立冬', '小雪', '大雪', '冬至',
];
const termLongitude = (k) => (285 + 15 * k) % 360;
const termIndexOf = (longitude) => ((longitude - 285 + 360) % 360) / 15;

function libraryVersion() {
  const main = require.resolve('astronomy-engine');
  const manifest = path.join(path.dirname(main), 'package.json');
  return JSON.parse(fs.readFileSync(manifest, 'utf8')).version;
}

// The JST calendar day of an instant, as days since 1970-01-01.
const jstDay = (ms) => Math.floor((ms + kJstOffsetMs) / kDayMs);
const dayOf = (year, month, day) => Date.UTC(year, month - 1, day) / kDayMs;

function dateText(day) {
  return new Date(day * kDayMs).toISOString().slice(0, 10);
}

function ymd(day) {
  const date = new Date(day * kDayMs);
  return [date.getUTCFullYear(), date.getUTCMonth() + 1, date.getUTCDate()];
}

function instantText(ms) {
  return new Date(ms + kJstOffsetMs).toISOString().slice(0, 19).replace('T', ' ') + ' JST';
}

// How far an instant lies from the nearest JST midnight, in milliseconds.
function fromMidnight(ms) {
  const intoDay = (((ms + kJstOffsetMs) % kDayMs) + kDayMs) % kDayMs;
  return Math.min(intoDay, kDayMs - intoDay);
}

// How far an instant lies from noon JST, in milliseconds.
function fromNoon(ms) {
  const intoDay = (((ms + kJstOffsetMs) % kDayMs) + kDayMs) % kDayMs;
  return Math.abs(intoDay - kHalfDayMs);
}

// Whether an instant lies in the afternoon of its JST day.
const afternoon = (ms) => (((ms + kJstOffsetMs) % kDayMs) + kDayMs) % kDayMs >= kHalfDayMs;

// The heavenly stem of a JST day (0 甲 to 9 癸): 1970-01-01 was 辛巳, the 18th day of the cycle.
const stemOf = (day) => (((day + 17) % 10) + 10) % 10;

function fail(message) {
  throw new Error(message);
}

// Every new moon from `from` until the first after `until`, as instants (ms since 1970, UTC).
function newMoons(from, until) {
  const instants = [];
  let start = new Date(from);
  for (;;) {
    const found = Astronomy.SearchMoonPhase(0, start, 40) || fail(`no new moon after ${start.toISOString()}`);
    instants.push(found.date.getTime());
    if (found.date.getTime() > until) return instants;
    start = found.AddDays(20).date;
  }
}

// Every crossing of a multiple of 15 degrees by the Sun from `from` until the first after
// `until`, as {longitude, ms}.
function solarTerms(from, until) {
  const terms = [];
  const firstSun = Astronomy.SunPosition(new Date(from)).elon;
  let longitude = (Math.floor(firstSun / 15) + 1) * 15 % 360;
  let start = new Date(from);
  for (;;) {
    const found = Astronomy.SearchSunLongitude(longitude, start, 20) || fail(`no ${longitude} after ${start}`);
    terms.push({longitude, ms: found.date.getTime()});
    if (found.date.getTime() > until) return terms;
    start = found.AddDays(10).date;
    longitude = (longitude + 15) % 360;
  }
}

// The instants of the first quarter, full moon and last quarter after a new moon.
function quartersAfter(newMoonMs) {
  return [90, 180, 270].map((phase) => {
    const found = Astronomy.SearchMoonPhase(phase, new Date(newMoonMs), 40) || fail(`no ${phase} after ${newMoonMs}`);
    return found.date.getTime();
  });
}

// The Sun's other longitudes, each searched in its civil month: where it falls outside that
// month the table's layout would not hold, and the generator stops.
const kSeasonLongitudes = [
  {name: '入梅', longitude: 80, month: 6},
  {name: '半夏生', longitude: 100, month: 7},
  {name: '土用入り', longitude: 297, month: 1},
  {name: '土用入り', longitude: 27, month: 4},
  {name: '土用入り', longitude: 117, month: 7},
  {name: '土用入り', longitude: 207, month: 10},
];

function seasonInstants(year) {
  return kSeasonLongitudes.map((season) => {
    const start = new Date(Date.UTC(year, season.month - 2, 15));
    const found = Astronomy.SearchSunLongitude(season.longitude, start, 60) || fail(`no ${season.longitude} in ${year}`);
    const ms = found.date.getTime();
    const [y, m] = ymd(jstDay(ms));
    if (y !== year || m !== season.month) fail(`${season.name} ${season.longitude}° on ${dateText(jstDay(ms))}`);
    return {...season, ms};
  });
}

// The lunar months with their first days (JST), numbers and leap flags. `moons` must begin at
// least a month before the first 冬至 that matters and end after the last one.
function numberMonths(moons, terms) {
  const firstDays = moons.map(jstDay);
  const months = [];
  for (let i = 0; i + 1 < firstDays.length; ++i) {
    const length = firstDays[i + 1] - firstDays[i];
    if (length !== 29 && length !== 30) fail(`month of ${dateText(firstDays[i])} has ${length} days`);
    months.push({first: firstDays[i], next: firstDays[i + 1], chuki: [], number: 0, leap: false, moon: moons[i]});
  }
  let m = 0;
  for (const term of terms) {
    if (term.longitude % 30 !== 0) continue;
    const day = jstDay(term.ms);
    while (m < months.length && months[m].next <= day) ++m;
    if (m < months.length && months[m].first <= day) months[m].chuki.push(term.longitude);
  }
  const solsticeMonths = [];
  months.forEach((month, i) => month.chuki.includes(270) && solsticeMonths.push(i));
  for (let s = 0; s + 1 < solsticeMonths.length; ++s) {
    const [from, to] = [solsticeMonths[s], solsticeMonths[s + 1]];
    const count = to - from;
    if (count !== 12 && count !== 13) fail(`${count} months from ${dateText(months[from].first)}`);
    let leapFound = count === 12;
    let number = 11;
    for (let i = from; i < to; ++i) {
      if (!leapFound && i > from && months[i].chuki.length === 0) {
        months[i].leap = true;
        months[i].number = months[i - 1].number;
        leapFound = true;
        continue;
      }
      months[i].number = number;
      number = number % 12 + 1;
    }
    if (!leapFound) fail(`13 months from ${dateText(months[from].first)} and each holds a 中気`);
    if (number !== 11) fail(`the months from ${dateText(months[from].first)} end at ${number}`);
  }
  return months;
}

function generate() {
  const firstDay = dayOf(kFirstYear, 1, 1);
  const lastDay = dayOf(kLastYear, 12, 31);
  // From a month before the 冬至 preceding the range to a month after the 冬至 following it, so
  // that every month of the range lies between two numbered 冬至 months.
  const from = Date.UTC(kFirstYear - 1, 10, 1);
  const until = Date.UTC(kLastYear + 2, 0, 31);
  const moons = newMoons(from, until);
  const terms = solarTerms(from, until);
  const months = numberMonths(moons, terms).filter((m) => m.next > firstDay && m.first <= lastDay);
  if (months[0].first > firstDay || months[months.length - 1].next <= lastDay) fail('the range is not covered');
  if (months.some((m) => m.number === 0)) fail('a month of the range has no number');

  const termDays = new Map();  // year -> the days of its 24 terms, 小寒 first
  for (const term of terms) {
    const day = jstDay(term.ms);
    const [year, month, date] = ymd(day);
    if (year < kFirstYear || year > kLastYear) continue;
    const k = termIndexOf(term.longitude);
    if (month !== Math.floor(k / 2) + 1) fail(`${kTermNames[k]} on ${dateText(day)}`);
    if (!termDays.has(year)) termDays.set(year, new Array(24).fill(0));
    termDays.get(year)[k] = date;
  }
  for (let year = kFirstYear; year <= kLastYear; ++year) {
    if (!termDays.has(year) || termDays.get(year).includes(0)) fail(`${year} lacks a term`);
  }

  // Each month's quarters as days after its first day, written as the three digits of 上弦, 満月
  // less 10 and 下弦 less 20, each of which the generator checks is a digit.
  for (const month of months) {
    month.quarters = quartersAfter(month.moon);
    const after = month.quarters.map((ms) => jstDay(ms) - month.first);
    const digits = [after[0], after[1] - 10, after[2] - 20];
    if (digits.some((d) => d < 0 || d > 9) || after[2] >= month.next - month.first) {
      fail(`the quarters of the month of ${dateText(month.first)} lie ${after} days after it`);
    }
    month.quarterDigits = digits.join('');
  }

  // Each year's 入梅, 半夏生 and 土用入り, and whether 春分 and 秋分 fall in the afternoon.
  const seasons = new Map();
  for (let year = kFirstYear; year <= kLastYear; ++year) seasons.set(year, {instants: seasonInstants(year), afternoon: 0});
  for (const term of terms) {
    if (term.longitude !== 0 && term.longitude !== 180) continue;
    const year = ymd(jstDay(term.ms))[0];
    if (!seasons.has(year) || !afternoon(term.ms)) continue;
    seasons.get(year).afternoon |= term.longitude === 0 ? 1 : 2;
  }

  const nearMidnight = [];
  // The events the table depends on: those from the first month's beginning to the last one's end.
  const [tableFirst, tableNext] = [months[0].first, months[months.length - 1].next];
  const inRange = (ms) => jstDay(ms + kNearMidnightMs) >= tableFirst && jstDay(ms - kNearMidnightMs) <= tableNext;
  for (const ms of moons) {
    if (inRange(ms) && fromMidnight(ms) <= kNearMidnightMs) nearMidnight.push({ms, what: 'new moon'});
  }
  for (const term of terms) {
    if (!inRange(term.ms) || fromMidnight(term.ms) > kNearMidnightMs) continue;
    const kind = term.longitude % 30 === 0 ? '中気' : '節気';
    nearMidnight.push({ms: term.ms, what: `${kind} ${kTermNames[termIndexOf(term.longitude)]} ${term.longitude}°`});
  }
  const kQuarterNames = ['上弦', '満月', '下弦'];
  for (const month of months) {
    month.quarters.forEach((ms, q) => {
      if (inRange(ms) && fromMidnight(ms) <= kNearMidnightMs) nearMidnight.push({ms, what: kQuarterNames[q]});
    });
  }
  for (const {instants} of seasons.values()) {
    for (const {ms, name, longitude} of instants) {
      if (fromMidnight(ms) <= kNearMidnightMs) nearMidnight.push({ms, what: `${name} ${longitude}°`});
    }
  }
  nearMidnight.sort((a, b) => a.ms - b.ms);
  // On a 癸 day the 社日 is the 戊 day before or after by the half of the day the equinox falls in.
  const nearNoon = terms.filter((t) => (t.longitude === 0 || t.longitude === 180) &&
      stemOf(jstDay(t.ms)) === 9 && fromNoon(t.ms) <= kNearMidnightMs && inRange(t.ms));
  return {months, termDays, seasons, nearMidnight, nearNoon};
}

function write({months, termDays, seasons, nearMidnight, nearNoon}) {
  const lines = [
    `// Generated by tools/koyomi/generate.js with astronomy-engine ${libraryVersion()}: do not edit.`,
    '// Regenerate: node tools/koyomi/generate.js src/core/koyomi_table.cpp (the native test',
    '// koyomi_table fails when this file is not what the generator writes).',
    `// The traditional calendar's months with the Moon's quarters, the days of the 24 solar terms and`,
    `// of 入梅, 半夏生 and 土用入り, ${kFirstYear}-01-01 to ${kLastYear}-12-31, in Japan Standard Time.`,
    '//',
    '// New moons, quarters, solar terms (中気 and 節気) and the other longitudes within two minutes of',
    '// midnight JST, whose day a finer ephemeris might move:',
  ];
  for (const event of nearMidnight) lines.push(`//   ${instantText(event.ms)}  ${event.what}`);
  lines.push('// 春分 and 秋分 on a 癸 day within two minutes of noon JST, whose 社日 a finer ephemeris might move:');
  if (nearNoon.length === 0) lines.push('//   none');
  for (const term of nearNoon) lines.push(`//   ${instantText(term.ms)}  ${kTermNames[termIndexOf(term.longitude)]}`);
  lines.push('', '// clang-format off', '#include "koyomi_table.h"', '', '#include <iterator>', '', 'namespace tezun {', '');
  lines.push('// Each lunar month: its first day (year, month, day), its number, whether it is a leap month, and');
  lines.push('// the days after the first of 上弦, 満月 less 10 and 下弦 less 20, as three digits.');
  lines.push('const LunarMonthRow kLunarMonths[] = {');
  let row = [];
  months.forEach((m, i) => {
    const [year, month, day] = ymd(m.first);
    row.push(`{${year}, ${month}, ${day}, ${m.number}, ${m.leap ? 1 : 0}, ${m.quarterDigits}}`);
    const next = months[i + 1];
    if (!next || ymd(next.first)[0] !== year) {
      lines.push(`    ${row.join(', ')},`);
      row = [];
    }
  });
  lines.push('};', 'const unsigned kLunarMonthCount = std::size(kLunarMonths);', '');
  lines.push(`// The day of the month of each solar term, 小寒 to 冬至, for every year from ${kFirstYear}.`);
  lines.push(`const SolarTermYear kSolarTermDays[${kLastYear - kFirstYear + 1}] = {`);
  for (let year = kFirstYear; year <= kLastYear; ++year) {
    lines.push(`    {{${termDays.get(year).join(', ')}}},  // ${year}`);
  }
  lines.push('};', '');
  lines.push('// The days of the month of 入梅 (June), 半夏生 (July) and 土用入り (January, April, July, October),');
  lines.push('// and whether 春分 (1) and 秋分 (2) fall in the afternoon, for every year from ${kFirstYear}.'.replace('${kFirstYear}', kFirstYear));
  lines.push(`const SeasonYear kSeasonDays[${kLastYear - kFirstYear + 1}] = {`);
  for (let year = kFirstYear; year <= kLastYear; ++year) {
    const {instants, afternoon} = seasons.get(year);
    const days = instants.map(({ms}) => ymd(jstDay(ms))[2]);
    lines.push(`    {${days[0]}, ${days[1]}, {${days.slice(2).join(', ')}}, ${afternoon}},  // ${year}`);
  }
  lines.push('};', '', '}  // namespace tezun', '');
  return lines.join('\n');
}

const text = write(generate());
if (process.argv[2]) {
  fs.writeFileSync(process.argv[2], text);
} else {
  process.stdout.write(text);
}
