#!/usr/bin/env bash
# Builds the package from what the build made, checks what it holds, runs
# desktop-file-validate, appstreamcli and lintian on it, unpacks it into a
# temporary root and starts tevalo from there against a temporary data folder
# and the packaged service stand-in, until the application's main menu is painted.
#   package_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$(realpath "$1")
version=$2
work=$(mktemp -d /tmp/tevalo-package-XXXXXX)
launcher_pid=""
cleanup() {
  [[ -n "$launcher_pid" ]] && kill "$launcher_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for tool in cpack dpkg-deb desktop-file-validate appstreamcli lintian; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (run scripts/bootstrap)"; exit 1; }
done

# 1. The package, made as `cmake --build build --target package` makes it.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb="$work/out/tevalo-weather_${version}_amd64.deb"
[[ -f "$deb" ]] || { ls "$work/out"; echo "FAIL: no $deb"; exit 1; }

# 2. What it holds.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
for path in /usr/bin/tevalo /usr/bin/tevaloWeather /usr/bin/tevalo-home /usr/bin/tevalo-installer \
  /usr/bin/tevalo-service /usr/lib/tevalo-weather/payload/tevaloWeather /usr/lib/tevalo-weather/payload/tevalo-home \
  /usr/lib/tevalo-weather/payload/libtevaloWeatherToDay.so \
  /usr/lib/tevalo-weather/payload/libtevaloNewsletterWeatherStupDll.so \
  /usr/lib/tevalo-weather/payload/SystemCityDatabase.vol /usr/lib/tevalo-weather/payload/tevalo/logo.png \
  /usr/share/tevalo-weather/data/system_cities.csv \
  /usr/share/applications/org.example.TevaloWeather.desktop \
  /usr/share/metainfo/org.example.TevaloWeather.metainfo.xml \
  /usr/share/icons/hicolor/48x48/apps/org.example.TevaloWeather.png \
  /usr/share/icons/hicolor/128x128/apps/org.example.TevaloWeather.png \
  /usr/share/icons/hicolor/scalable/apps/org.example.TevaloWeather.svg \
  /usr/share/man/man1/tevalo.1.gz /usr/share/man/man1/tevaloWeather.1.gz \
  /usr/share/man/man1/tevalo-home.1.gz /usr/share/man/man1/tevalo-installer.1.gz \
  /usr/share/man/man1/tevalo-service.1.gz /usr/share/doc/tevalo-weather/copyright \
  /usr/share/doc/tevalo-weather/changelog.gz; do
  grep -qxF "$path" "$work/contents" || fail "the package lacks $path"
done
if grep -E '/(tests?|bench|fuzz)/|_test$|\.a$|/CMakeFiles/' "$work/contents"; then
  fail "the package holds build or test files"
fi
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libqt6multimedia6 libcurl4 libsqlite3-0 fonts-wqy-microhei fonts-dejavu-core \
  gstreamer1.0-plugins-good gstreamer1.0-libav dbus-session-bus; do
  [[ "$depends" == *"$need"* ]] || fail "Depends lacks $need: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
for size in 48 128; do
  file "$root/usr/share/icons/hicolor/${size}x${size}/apps/org.example.TevaloWeather.png" |
    grep -q "$size x $size" || fail "the ${size}x${size} icon has another size"
done
for program in tevalo tevalo-installer tevalo-service; do
  if readelf -d "$root/usr/bin/$program" | grep -qE 'RPATH|RUNPATH'; then
    fail "$program keeps a library search path of the build"
  fi
done

# 3. Validators and lintian (errors fail; warnings are listed).
desktop-file-validate "$root/usr/share/applications/org.example.TevaloWeather.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.TevaloWeather.metainfo.xml" ||
  fail "appstreamcli validate"
grep -q 'xml:lang="zh-CN"' "$root/usr/share/metainfo/org.example.TevaloWeather.metainfo.xml" ||
  fail "the metainfo has no Chinese description"
lintian --fail-on error --no-tag-display-limit "$deb" | tee "$work/lintian.log" || fail "lintian reports errors"

# 4. tevalo from the unpacked root, on a fresh data folder, with the packaged stand-in.
run_env=(env -u TEVALO_DEVICE_ROOT -u TEVALO_SERVICE_HOST -u TEVALO_SERVICE_DATA -u TEVALO_LAUNCHER
  HOME="$work/home" XDG_DATA_HOME="$work/xdg" XDG_CONFIG_HOME="$work/config"
  QT_QPA_PLATFORM=offscreen)
installed="$work/xdg/tevalo/device/Program Files/tevaloWeather/tevaloWeather.exe"
app_pids() {
  for p in /proc/[0-9]*; do
    [[ "$(readlink "$p/exe" 2>/dev/null)" == "$installed" ]] && echo "${p#/proc/}"
  done
  return 0
}
# First use: the installer from the package installs the package's payload and its
# setup hook starts the application once.
"${run_env[@]}" "$root/usr/bin/tevalo" >"$work/first.log" 2>&1 &
launcher_pid=$!
for _ in $(seq 600); do
  [[ -n "$(app_pids)" ]] && break
  kill -0 "$launcher_pid" 2>/dev/null || break
  sleep 0.2
done
pids=$(app_pids)
if [[ -z "$pids" ]]; then
  cat "$work/first.log"
  fail "the first use did not start the application"
else
  cmp -s "$installed" "$root/usr/lib/tevalo-weather/payload/tevaloWeather" ||
    fail "the device got another program than the package's"
  grep -qE 'serving (2[0-9]{3}|[3-9][0-9]{3}) places' "$work/first.log" ||
    fail "the stand-in did not read the packaged reference tables: $(cat "$work/first.log")"
  kill $pids
fi
wait "$launcher_pid" || true
launcher_pid=""
service=$(sed -n 's/.*forecast service (stand-in) on 127\.0\.0\.1:[0-9]*, process \([0-9]*\).*/\1/p' \
  "$work/first.log")
[[ -n "$service" ]] || fail "tevalo started no stand-in: $(cat "$work/first.log")"
[[ -n "$service" && -d /proc/$service ]] && fail "the stand-in was left running"

# The next start reaches the main menu (the program reports its first painted menu).
"${run_env[@]}" timeout 300 "$root/usr/bin/tevalo" -- --first-paint >"$work/second.log" 2>&1 ||
  fail "the second start failed: $(cat "$work/second.log")"
grep -q '^first-paint-ms ' "$work/second.log" ||
  fail "the main menu was not reached: $(cat "$work/second.log")"
grep -q 'installing' "$work/second.log" && fail "the second start installed again"

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "package $deb: contents, validators, lintian and start from the unpacked root are fine"
