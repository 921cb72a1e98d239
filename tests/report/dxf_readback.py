"""Reads a storey plan written by Orvanta back with ezdxf, a DXF reader independent of ours.

    dxf_readback.py PLAN.dxf TITLE X1 Y1 X2 Y2 X3 Y3 X4 Y4

Checks that the file is DXF R12 with no error for ezdxf's auditor, that it holds the plan's
layers, no LWPOLYLINE, a closed column outline on PILASTRI with exactly the corners given (mm),
and a text on TESTI equal to TITLE (accents decoded from the declared code page). Prints what
fails and exits 1; exits 0 when everything holds.
"""
import sys

import ezdxf

LAYERS = {"GRIGLIA", "PILASTRI", "TRAVI", "SOLAI", "CM", "CR", "TESTI"}


def main():
    path, title = sys.argv[1], sys.argv[2]
    numbers = [float(v) for v in sys.argv[3:]]
    corners = list(zip(numbers[0::2], numbers[1::2]))
    failures = []

    doc = ezdxf.readfile(path)
    if doc.dxfversion != "AC1009":
        failures.append(f"versione {doc.dxfversion}, attesa AC1009")
    auditor = doc.audit()
    for error in auditor.errors:
        failures.append(f"errore dell'auditor: {error.message}")

    names = {layer.dxf.name for layer in doc.layers}
    if not LAYERS <= names:
        failures.append(f"layer mancanti: {sorted(LAYERS - names)}")

    msp = doc.modelspace()
    if len(msp.query("LWPOLYLINE")):
        failures.append("LWPOLYLINE presenti in un file R12")

    def matches(polyline):
        points = [(v.dxf.location.x, v.dxf.location.y) for v in polyline.vertices]
        return polyline.is_closed and len(points) == len(corners) and all(
            abs(px - cx) < 1e-6 and abs(py - cy) < 1e-6
            for (px, py), (cx, cy) in zip(points, corners))

    outlines = msp.query('POLYLINE[layer=="PILASTRI"]')
    if not any(matches(p) for p in outlines):
        failures.append(f"nessun contorno di pilastro con i vertici {corners}")

    texts = [t.dxf.text for t in msp.query('TEXT[layer=="TESTI"]')]
    if title not in texts:
        failures.append(f"testo {title!r} assente tra {texts}")

    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
