#!/usr/bin/env bash
# Starts the real calculator on a virtual X display, saves its window as a PNG for a person to
# look at, and checks that the window came up at its size with its colours where they belong.
#   captura_ventana.sh PROGRAM OUTPUT.png
set -euo pipefail
programa=$1
captura=$2

if [ -z "${DENTRO_DE_XVFB:-}" ]; then
  DENTRO_DE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

QT_QPA_PLATFORM=xcb "$programa" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

ventana=""
for _ in $(seq 100); do
  ventana=$(xwininfo -root -tree | awk '/"CALCULO DE PERDIDAS EN UN TRAMO DE TUBERIA"/ {print $1; exit}')
  [ -n "$ventana" ] && break
  sleep 0.1
done
[ -n "$ventana" ] || { echo "the window never appeared" >&2; exit 1; }
sleep 1  # let it paint

import -window "$ventana" "$captura"
echo "screenshot: $captura"

tamano=$(identify -format '%wx%h' "$captura")
[ "$tamano" = "609x342" ] || { echo "window is $tamano, not 609x342" >&2; exit 1; }

# A pixel inside each of a few boxes and captions, in twips converted to pixels (÷ 15).
color() { convert "$captura" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }
esperar() {
  local nombre=$1 x=$2 y=$3 esperado=$4
  local real
  real=$(color "$x" "$y")
  [ "$real" = "$esperado" ] || { echo "$nombre at ($x,$y) is #$real, not #$esperado" >&2; exit 1; }
}
esperar txtViscCinem  $(( (2640 + 1400) / 15 )) $(( (960 + 340) / 15 ))  C0FFC0
esperar TXT_PerdFricc $(( (7680 + 1150) / 15 )) $(( (1560 + 340) / 15 )) FFFFC0
esperar Label3        $(( (120 + 60) / 15 ))    $(( (120 + 300) / 15 ))  C0FFFF
echo "window up at 609x342 with its colours"
