# Sourced by the scripts that run programs, after `ql_use_arch`: starts Xvfb when there is no
# display, one persistent wineserver for the architecture's prefix, and a wave-out device whose
# sound lands in a file; `desktop_stop` ends them.

desktop_start() {
  QL_XVFB_PID=""
  if [ -z "${DISPLAY:-}" ] || [ "${QL_FORCE_XVFB:-}" = 1 ]; then
    local n
    for n in $(seq 90 140); do
      [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    QL_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
  fi
  # Sound: an ALSA default device that writes what it plays into a file.
  QL_SOUND_HOME="$QL_BUILD/desktop-home"
  export QL_SOUND_OUT="$QL_SOUND_HOME/sound-out.raw"
  mkdir -p "$QL_SOUND_HOME"
  cat > "$QL_SOUND_HOME/.asoundrc" <<ASOUND
pcm.!default {
  type file
  slave.pcm "null"
  file "$QL_SOUND_OUT"
  format "raw"
}
ASOUND
  : > "$QL_SOUND_OUT"
  export HOME="$QL_SOUND_HOME"
  ql_wineserver -p
  # Start the virtual desktop before the first program.
  ql_wine cmd.exe /c exit >/dev/null 2>&1 || true
}

desktop_stop() {
  ql_wineserver -k >/dev/null 2>&1 || true
  ql_wineserver -w >/dev/null 2>&1 || true
  if [ -n "${QL_XVFB_PID:-}" ]; then
    kill "$QL_XVFB_PID" 2>/dev/null || true
    wait "$QL_XVFB_PID" 2>/dev/null || true
  fi
}
