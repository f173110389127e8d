#!/bin/sh
# Fails when a display-free folder (everything but shell/ and ui/ subfolders) includes
# a Qt Widgets or print-support header.
root=${1:-.}
cd "$root" || exit 2
hits=$(grep -rnE '#[[:space:]]*include[[:space:]]*[<"](QtWidgets|QtPrintSupport|Q(Widget|MainWindow|Dialog|MdiArea|MessageBox|FileDialog|TableWidget|Application|Printer|PrintPreviewDialog|PushButton|Label|LineEdit|ToolTip)\b)' \
  runtime matrix numerics graph filters document device loudness drc framework \
  --include='*.h' --include='*.hpp' --include='*.cpp' 2>/dev/null | grep -v '/ui/')
if [ -n "$hits" ]; then
  echo "Qt Widgets reached below the shell:"
  echo "$hits"
  exit 1
fi
echo "layering ok"
