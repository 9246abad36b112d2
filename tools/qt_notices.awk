# Prints, from the SPDX document a Qt build writes (sbom/qtbase-*.spdx), each
# piece of third-party code that was configured into that Qt, as its
# qt_attribution.json describes it: name, use, copyright, licence and origin.
#   awk -f qt_notices.awk qtbase-VERSION.spdx
function flush() {
  if (attributed && name != "" && !((name, copyright) in printed)) {
    printed[name, copyright] = 1
    printf "%s\n  Qt usage: %s\n  Licence: %s\n  Origin: %s\n  Copyright:\n%s\n", name, usage, licence, origin, copyright
  }
  name = usage = licence = origin = copyright = ""
  attributed = 0
}
/^PackageName: / { flush(); next }
/^PackageDownloadLocation: / { origin = substr($0, 26); next }
/^PackageLicenseConcluded: / { licence = substr($0, 26); next }
/^PackageCopyrightText: / {
  text = substr($0, 23)
  incopy = 1
}
incopy {
  if (text == "") text = $0
  done = sub(/<\/text>.*/, "", text)
  sub(/^<text>/, "", text)
  if (text != "" && text != "NOASSERTION") copyright = copyright "    " text "\n"
  text = ""
  if (done) incopy = 0
  next
}
/^    Name: / { name = substr($0, 11); next }
/^    Qt usage: / { usage = substr($0, 15); next }
/qt_attribution\.json/ { attributed = 1; next }
END { flush() }
