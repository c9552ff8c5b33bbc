// cDate: PureBasic's date library.
// Emitted calls: cDate.Date(), cDate.Date(year, month, day, hour, minute,
// second), cDate.Year(d) ... cDate.Second(d), cDate.DayOfWeek(d),
// cDate.DayOfYear(d), cDate.AddDate(d, #PB_Date_Day, 3),
// cDate.FormatDate("%dd.%mm.%yyyy", d), cDate.ParseDate(mask, text).
// A date is a number of seconds since 1970-01-01 00:00:00 counted in local
// time, as PureBasic counts it: Date() of a moment shows the clock of the
// machine, and the parts of a date are read without any time zone.
var cDate = (function () {
  var kYear = 0, kMonth = 1, kWeek = 2, kDay = 3, kHour = 4, kMinute = 5, kSecond = 6;

  function parts(date) { return new Date((Number(date) || 0) * 1000); }

  function fromParts(year, month, day, hour, minute, second) {
    return Math.floor(Date.UTC(year, month - 1, day, hour, minute, second) / 1000);
  }

  // Date() is now; Date(2024, 2, 29, 12, 0, 0) is that moment.
  function Date_(year, month, day, hour, minute, second) {
    if (year === undefined) {
      var now = new Date();
      return fromParts(now.getFullYear(), now.getMonth() + 1, now.getDate(),
                       now.getHours(), now.getMinutes(), now.getSeconds());
    }
    return fromParts(Number(year), Number(month), Number(day),
                     Number(hour) || 0, Number(minute) || 0, Number(second) || 0);
  }

  function Year(date) { return parts(date).getUTCFullYear(); }
  function Month(date) { return parts(date).getUTCMonth() + 1; }
  function Day(date) { return parts(date).getUTCDate(); }
  function Hour(date) { return parts(date).getUTCHours(); }
  function Minute(date) { return parts(date).getUTCMinutes(); }
  function Second(date) { return parts(date).getUTCSeconds(); }
  // 0 for Sunday to 6 for Saturday.
  function DayOfWeek(date) { return parts(date).getUTCDay(); }
  // 1 for the first of January.
  function DayOfYear(date) {
    var d = parts(date);
    return Math.floor((Date.UTC(d.getUTCFullYear(), d.getUTCMonth(), d.getUTCDate()) -
                       Date.UTC(d.getUTCFullYear(), 0, 1)) / 86400000) + 1;
  }

  function daysInMonth(year, month) { return new Date(Date.UTC(year, month, 0)).getUTCDate(); }

  // Years and months keep the day where the new month has it; 31 January
  // plus one month is the last day of February.
  function addMonths(date, months) {
    var d = parts(date);
    var total = d.getUTCFullYear() * 12 + d.getUTCMonth() + months;
    var year = Math.floor(total / 12), month = total - year * 12 + 1;
    var day = Math.min(d.getUTCDate(), daysInMonth(year, month));
    return fromParts(year, month, day, d.getUTCHours(), d.getUTCMinutes(), d.getUTCSeconds());
  }

  function AddDate(date, type, value) {
    var n = Math.trunc(Number(value) || 0), d = Number(date) || 0;
    switch (type) {
      case kYear: return addMonths(d, n * 12);
      case kMonth: return addMonths(d, n);
      case kWeek: return d + n * 604800;
      case kDay: return d + n * 86400;
      case kHour: return d + n * 3600;
      case kMinute: return d + n * 60;
      case kSecond: return d + n;
      default: return d;
    }
  }

  function two(n) { return n < 10 ? '0' + n : String(n); }

  function four(n) { return ('000' + n).slice(-4); }

  // %yyyy, %yy, %mm, %dd, %hh, %ii, %ss; everything else is copied.
  function FormatDate(mask, date) {
    var d = parts(date);
    var fields = {
      '%yyyy': four(d.getUTCFullYear()), '%yy': two(d.getUTCFullYear() % 100),
      '%mm': two(d.getUTCMonth() + 1), '%dd': two(d.getUTCDate()),
      '%hh': two(d.getUTCHours()), '%ii': two(d.getUTCMinutes()), '%ss': two(d.getUTCSeconds())
    };
    return cString.text(mask).replace(/%yyyy|%yy|%mm|%dd|%hh|%ii|%ss/g, function (token) {
      return fields[token];
    });
  }

  // ParseDate("%dd/%mm/%yyyy", "24/12/2023"): -1 when the text does not
  // follow the mask or names no real date.
  function ParseDate(mask, value) {
    var m = cString.text(mask), s = cString.text(value);
    var got = { '%yyyy': 1970, '%yy': null, '%mm': 1, '%dd': 1, '%hh': 0, '%ii': 0, '%ss': 0 };
    var at = 0, i = 0;
    while (i < m.length) {
      var token = /^(%yyyy|%yy|%mm|%dd|%hh|%ii|%ss)/.exec(m.substring(i));
      if (token) {
        var width = token[1] === '%yyyy' ? 4 : 2;
        var digits = /^\d+/.exec(s.substring(at, at + width));
        if (!digits) return -1;
        got[token[1]] = Number(digits[0]);
        at += digits[0].length;
        i += token[1].length;
      } else {
        if (s.charAt(at) !== m.charAt(i)) return -1;
        at++;
        i++;
      }
    }
    var year = got['%yy'] !== null ? 2000 + got['%yy'] : got['%yyyy'];
    if (got['%yy'] !== null && got['%yy'] >= 70) year = 1900 + got['%yy'];
    if (got['%mm'] < 1 || got['%mm'] > 12 || got['%dd'] < 1 ||
        got['%dd'] > daysInMonth(year, got['%mm']) || got['%hh'] > 23 ||
        got['%ii'] > 59 || got['%ss'] > 59) return -1;
    return fromParts(year, got['%mm'], got['%dd'], got['%hh'], got['%ii'], got['%ss']);
  }

  return {
    Date: Date_, Year: Year, Month: Month, Day: Day, Hour: Hour, Minute: Minute,
    Second: Second, DayOfWeek: DayOfWeek, DayOfYear: DayOfYear, AddDate: AddDate,
    FormatDate: FormatDate, ParseDate: ParseDate,
    // the PureBasic type of each function's result, for the converter
    returns: {
      Date: 'i', Year: 'i', Month: 'i', Day: 'i', Hour: 'i', Minute: 'i', Second: 'i',
      DayOfWeek: 'i', DayOfYear: 'i', AddDate: 'i', FormatDate: 's', ParseDate: 'i'
    }
  };
})();
