#!/bin/bash
# Renders a French paragraph at size 2 with relief to BMP, SVG and PDF, rasterises the SVG at 1:1
# (rsvg-convert) and the PDF at 72 dpi (pdftoppm), and prints how much of the ink agrees.
# Usage: tools/vectoriel/mesurer.sh BUILD_DIR OUT_DIR   (needs librsvg2-bin and poppler-utils)
set -euo pipefail
build=${1:-build}
sortie=${2:-/tmp/velmor-vectoriel}
mkdir -p "$sortie"
texte="Le petit chat dort sur la table de la cuisine. Demain, nous irons voir la mer avec nos amis, \
et nous chanterons des chansons anciennes jusqu'au soir, quand le soleil se couchera derrière les collines."
export QT_QPA_PLATFORM=offscreen
for genre in bmp png svg pdf; do
  "$build/velmor" render "$texte" --ecriture velmor --langue FR --taille 2 --relief -o "$sortie/paragraphe.$genre" >/dev/null
done
rsvg-convert "$sortie/paragraphe.svg" -o "$sortie/paragraphe-svg.png"
pdftoppm -r 72 -png -singlefile "$sortie/paragraphe.pdf" "$sortie/paragraphe-pdf"
echo "SVG (rsvg-convert, 1:1):"
"$build/tools/velmor_accord" "$sortie/paragraphe.png" "$sortie/paragraphe-svg.png"
echo "PDF (pdftoppm, 72 dpi):"
"$build/tools/velmor_accord" "$sortie/paragraphe.png" "$sortie/paragraphe-pdf.png"
