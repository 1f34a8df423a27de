#!/bin/sh
# Makes the pictures, recordings, the video clip and the poem's PDF of the demo folder.
# Run once by hand; its results are committed, so building the program needs none of these tools.
# Debian packages: imagemagick espeak-ng lame ffmpeg groff (gropdf).
# The lists, letters and the ".rep" file beside it are written by hand, not by this script.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# ImageMagick 7 calls itself magick; version 6 only knows convert.
if command -v magick >/dev/null 2>&1; then im=magick; else im=convert; fi

# --- Photos: drawn scenes, small enough to keep the whole set light ---------------------------

# foto1.jpg, 358 x 300: a portrait.
"$im" -size 358x300 gradient:'#a9cbe6'-'#f3e3c6' \
  -fill '#5a3a22' -draw 'ellipse 179,140 70,82 0,360' \
  -fill '#3f6e8f' -draw 'ellipse 179,335 125,100 0,360' \
  -fill '#e7b596' -draw 'rectangle 163,190 195,245' \
  -fill '#f2c9aa' -draw 'ellipse 179,152 54,64 0,360' \
  -fill '#5a3a22' -draw 'ellipse 179,100 58,26 180,360' \
  -fill '#2b2b2b' -draw 'circle 159,145 165,145' -draw 'circle 199,145 205,145' \
  -fill none -stroke '#a0453c' -strokewidth 3 -draw 'arc 158,165 200,195 20,160' \
  -blur 0x0.8 -strip -quality 82 "$here/foto1.jpg"

# foto2.jpg, 584 x 480: snowy mountains for the skier.
"$im" -size 584x480 gradient:'#5d8fc8'-'#dbe9f5' \
  -fill '#fff6c8' -draw 'circle 470,80 470,112' \
  -fill '#7d8ea3' -draw 'polygon 0,330 120,150 230,300 330,120 470,290 584,200 584,480 0,480' \
  -fill '#f8fbff' -draw 'polygon 120,150 92,192 110,186 128,200 146,178' \
  -fill '#f8fbff' -draw 'polygon 330,120 296,170 318,162 336,178 360,160' \
  -fill '#eef4fa' -draw 'polygon 0,360 160,320 320,370 584,300 584,480 0,480' \
  -fill '#2f5d3a' -draw 'polygon 60,360 80,300 100,360' -draw 'polygon 105,350 122,298 139,350' \
  -fill '#2f5d3a' -draw 'polygon 470,330 490,270 510,330' -draw 'polygon 512,322 528,276 544,322' \
  -fill '#b03030' -draw 'rectangle 280,392 288,410' \
  -stroke '#303030' -strokewidth 2 -draw 'line 268,414 304,404' \
  -blur 0x0.7 -strip -quality 80 "$here/foto2.jpg"

# foto3.jpg, 640 x 480: the coast with a lighthouse.
"$im" -size 640x480 gradient:'#6fa3d8'-'#f6efd9' \
  \( -size 640x190 gradient:'#3f7fa8'-'#1d4f73' \) -geometry +0+230 -composite \
  -fill '#fff2b0' -draw 'circle 140,110 140,145' \
  -fill '#e8d3a2' -draw 'polygon 0,480 0,380 220,360 420,400 640,370 640,480' \
  -fill '#f4f4f0' -draw 'rectangle 500,150 530,300' \
  -fill '#c23b32' -draw 'rectangle 500,180 530,205' -draw 'rectangle 500,235 530,260' \
  -fill '#3a3a3a' -draw 'polygon 494,150 536,150 515,122' \
  -fill none -stroke '#404040' -strokewidth 2 \
  -draw 'polyline 300,90 312,98 324,90' -draw 'polyline 340,70 350,77 360,70' \
  -blur 0x0.7 -strip -quality 80 "$here/foto3.jpg"

# --- Recordings: spoken German, mono, 22.05 kHz ----------------------------------------------

speak() {  # speak VOICE SPEED OUTPUT TEXT
  espeak-ng -v "$1" -s "$2" -w "$work/speech.wav" "$4"
  lame --quiet -m m --resample 22.05 -b 32 "$work/speech.wav" "$here/$3"
}

speak de+f3 150 tonspur1.mp3 \
  'Ich bin Frida. In den Ferien fahre ich an die Küste und schwimme jeden Morgen im Meer.'
speak de+m3 150 tonspur2.mp3 \
  'Hier spricht Jan. Mein Lieblingsfach ist Mathematik, weil man dort alles nachrechnen kann.'
speak de+f2 150 tonspur3.mp3 \
  'Hallo, ich heiße Lea. Ich spiele Geige im Schulorchester und lese sehr gern.'

title='Novembermorgen'
author='Emma Lindholm, Klasse 7b'
poem='Der Nebel liegt auf Feld und Steg,
die Krähe sucht den alten Weg,
im Schulhaus brennt schon früh das Licht,
die Kreide schreibt ein neu Gedicht.

Die Tafel grau, das Heft noch leer,
die Stunde tickt, die Zeit wird schwer,
doch draußen fällt der erste Schnee,
und alle rufen: Juchhe, juchhe!

Am Mittag glänzt der Hügel weiß,
die Schlitten sausen, kalt und leis,
und wer am Abend müde ruht,
dem ist der Winter warm und gut.'

speak de 130 gedicht.mp3 "$title. Von $author. $poem"

# --- Video: a skier going down a slope, Windows Media in an ASF container --------------------

slope='gt(Y,70+0.45*X)'
ffmpeg -v error -y \
  -f lavfi -i "color=c=black:s=320x240:r=15:d=3" \
  -f lavfi -i "color=c=0xb03030:s=10x18:r=15:d=3" \
  -filter_complex "[0]format=rgb24,geq=r='if($slope,245,120)':g='if($slope,248,170)':b='if($slope,252,225)'[bg];[bg][1]overlay=x='10+t*90':y='70+0.45*(15+t*90)-16'[v]" \
  -map '[v]' -c:v wmv2 -b:v 160k -f asf -fflags +bitexact -flags +bitexact "$here/schi.wmv"

# --- The poem as a one-page PDF ---------------------------------------------------------------

{
  printf '.po 3c\n.ll 15c\n.nh\n.na\n.sp 3c\n'
  printf '.ft B\n.ps 20\n.vs 26\n.ce 1\n%s\n' "$title"
  printf '.ft I\n.ps 12\n.vs 16\n.ce 1\n%s\n.sp 1c\n' "$author"
  printf '.ft R\n.ps 13\n.vs 19\n.in 3c\n.nf\n%s\n.fi\n' "$poem"
} > "$work/gedicht.tr"
groff -k -Tpdf -P-pa4 -dpaper=a4 "$work/gedicht.tr" > "$here/gedicht.pdf"

ls -l "$here"
