# Reads a DXF file the way a strict reader does (ezdxf without its recover
# module), audits it and prints what it found, one line per item, for the
# DXF export test (tests/ui/dxf_test.cpp) to compare with what it wrote.
# Exits non-zero when the file cannot be read or the audit finds errors.
import sys

import ezdxf


def num(v):
    return f"{v:.6f}"


def main(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    for e in auditor.errors:
        print("AUDIT", e.code, e.message)
    print("VERSION", doc.dxfversion)
    print("INSUNITS", doc.header.get("$INSUNITS", "none"))
    for layer in doc.layers:
        print("LAYER", layer.dxf.name, layer.dxf.color)
    for lt in doc.linetypes:
        if lt.dxf.name.upper().startswith("ZARNIC"):
            # The total length (40), then each element (49): + drawn, - blank.
            tags = [t.value for t in lt.pattern_tags.tags if t.code in (40, 49)]
            print("LTYPE", lt.dxf.name, *map(num, tags))
    for e in doc.modelspace():
        t = e.dxftype()
        head = [t, e.dxf.layer, e.dxf.get("linetype", "BYLAYER"), e.dxf.get("color", 256)]
        if t == "LINE":
            s, f = e.dxf.start, e.dxf.end
            print(*head, *map(num, (s.x, s.y, f.x, f.y)))
        elif t in ("LWPOLYLINE", "POLYLINE"):
            pts = [(p[0], p[1]) for p in (e.get_points("xy") if t == "LWPOLYLINE" else e.points())]
            print(*head, int(e.closed), *(num(v) for p in pts for v in p))
        elif t == "ARC":
            c = e.dxf.center
            print(*head, *map(num, (c.x, c.y, e.dxf.radius, e.dxf.start_angle, e.dxf.end_angle)))
        elif t == "CIRCLE":
            c = e.dxf.center
            print(*head, *map(num, (c.x, c.y, e.dxf.radius)))
        elif t == "TEXT":
            # Characters beyond the code page travel as \U+XXXX; show them as
            # a CAD program does (the strict reader leaves them encoded).
            p = e.dxf.insert
            a = e.dxf.get("align_point", p)
            print(*head, *map(num, (p.x, p.y, a.x, a.y, e.dxf.height, e.dxf.rotation)),
                  e.dxf.halign, e.dxf.valign, e.dxf.style, "|" + ezdxf.decode_dxf_unicode(e.dxf.text))
        else:
            print(*head)
    return 1 if auditor.has_errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
