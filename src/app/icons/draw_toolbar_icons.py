#!/usr/bin/env python3
"""Draws the toolbar icons as 24 x 24 SVG files into toolbar/, one per button key.

The SVG files are checked in; run this again after changing a drawing here:
    python3 src/app/icons/draw_toolbar_icons.py
Strokes are at least 1.5 units wide so that every icon still reads at 16 pixels.
"""
import math
import os

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "toolbar")

BLUE = "#1f5fbf"
DARK = "#3a3a3a"
GREY = "#707070"
GREEN = "#2e8b57"
ORANGE = "#e07000"
RED = "#c0392b"
PURPLE = "#a0307a"
RIBBON = "#f2a541"
RIBBON_EDGE = "#9a5a10"


def pts(points):
    return " ".join(f"{x:.2f},{y:.2f}" for x, y in points)


def poly(points, stroke=DARK, fill="none", width=1.5, closed=False, extra=""):
    tag = "polygon" if closed else "polyline"
    return (f'<{tag} points="{pts(points)}" fill="{fill}" stroke="{stroke}" '
            f'stroke-width="{width}" stroke-linejoin="round" stroke-linecap="round"{extra}/>')


def line(x1, y1, x2, y2, stroke=DARK, width=1.5):
    return (f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{stroke}" '
            f'stroke-width="{width}" stroke-linecap="round"/>')


def circle(cx, cy, r, fill="none", stroke=DARK, width=1.5):
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}" stroke="{stroke}" stroke-width="{width}"/>'


def ellipse(cx, cy, rx, ry, fill="none", stroke=DARK, width=1.5):
    return (f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="{fill}" stroke="{stroke}" '
            f'stroke-width="{width}"/>')


def rect(x, y, w, h, fill="none", stroke=DARK, width=1.5, r=0):
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{r}" fill="{fill}" '
            f'stroke="{stroke}" stroke-width="{width}"/>')


def path(d, fill="none", stroke=DARK, width=1.5, extra=""):
    return (f'<path d="{d}" fill="{fill}" stroke="{stroke}" stroke-width="{width}" '
            f'stroke-linejoin="round" stroke-linecap="round"{extra}/>')


def group(content, transform):
    return f'<g transform="{transform}">{content}</g>'


# ---- plot glyphs, drawn in the full 24 x 24 box -------------------------------------------

def axes2d():
    return line(3, 20.5, 21.5, 20.5, GREY, 1.2) + line(3.5, 21, 3.5, 2.5, GREY, 1.2)


def sine(color=BLUE, width=2):
    p = [(3.5 + i * 0.45, 11.5 - 7 * math.sin(i * 0.45 / 18 * 2 * math.pi)) for i in range(41)]
    return poly(p, color, width=width)


def rose():
    p = []
    for i in range(121):
        t = i / 120 * 2 * math.pi
        r = 9.5 * math.cos(2 * t)
        p.append((12 + r * math.cos(t), 12 - r * math.sin(t)))
    return poly(p, PURPLE, width=1.6, closed=True)


def ribbon():
    top = [(2 + i * 0.8, 8 - 3.5 * math.sin(i * 0.8 / 16 * 2 * math.pi)) for i in range(21)]
    bottom = [(x + 4, y + 7) for x, y in top]
    return poly(top + bottom[::-1], RIBBON_EDGE, RIBBON, 1.3, closed=True) + poly(
        [top[-1], bottom[-1]], RIBBON_EDGE, width=1.3)


def polar_ribbon():
    outer, inner = [], []
    for i in range(73):
        t = i / 72 * 2 * math.pi
        wobble = 1.4 * math.sin(4 * t)
        outer.append((12 + (10 + wobble) * math.cos(t), 12 + 0.65 * (10 + wobble) * math.sin(t)))
        inner.append((12 + (5.5 + wobble) * math.cos(t), 12 + 0.65 * (5.5 + wobble) * math.sin(t)))
    d = "M" + " L".join(f"{x:.2f},{y:.2f}" for x, y in outer) + " Z M" + " L".join(
        f"{x:.2f},{y:.2f}" for x, y in inner[::-1]) + " Z"
    return path(d, RIBBON, RIBBON_EDGE, 1.3, ' fill-rule="evenodd"')


def mesh_surface():
    def at(i, j):
        u, v = i / 4, j / 4
        x = 3 + u * 12 + v * 6
        y = 15 - v * 8 + u * 3 - 4 * math.sin(u * math.pi) * math.sin(v * math.pi) + 2
        return x, y
    out = ""
    for i in range(5):
        out += poly([at(i, j) for j in range(5)], GREEN, width=1.2)
        out += poly([at(j, i) for j in range(5)], GREEN, width=1.2)
    return out


def cylinder_mesh():
    out = ellipse(12, 5.5, 7.5, 2.8, stroke=GREEN, width=1.3)
    out += path("M4.5 5.5V18.5A7.5 2.8 0 0 0 19.5 18.5V5.5", stroke=GREEN, width=1.3)
    out += path("M4.5 12A7.5 2.8 0 0 0 19.5 12", stroke=GREEN, width=1.2)
    for x in (8.5, 12, 15.5):
        out += line(x, 8.2, x, 21.2, GREEN, 1.1)
    return out


def sphere_mesh():
    out = circle(12, 12, 9.5, stroke=GREEN, width=1.4)
    out += ellipse(12, 12, 9.5, 3.5, stroke=GREEN, width=1.1)
    out += ellipse(12, 12, 4, 9.5, stroke=GREEN, width=1.1)
    out += path("M4.2 7A9.5 3 0 0 0 19.8 7M4.2 17A9.5 3 0 0 0 19.8 17", stroke=GREEN, width=1.0)
    return out


def points():
    out = axes2d()
    for x, y, r in ((7, 15, 1.8), (11, 9, 1.8), (15.5, 12.5, 1.8), (19, 5.5, 1.8)):
        out += circle(x, y, r, BLUE, BLUE, 0.5)
    return out


def table(header=BLUE):
    out = rect(2, 2, 15, 16, "#ffffff", DARK, 1.2)
    out += rect(2, 2, 15, 4, header, DARK, 1.2)
    for y in (10, 14):
        out += line(2, y, 17, y, GREY, 1)
    out += line(9.5, 6, 9.5, 18, GREY, 1)
    return out


def badge(content):
    """A small glyph in the lower right corner, on a white card."""
    return rect(11, 11, 12.5, 12.5, "#ffffff", DARK, 1.2, 1.5) + group(content, "translate(11.5 11.5) scale(0.48)")


def play_badge():
    return circle(18.5, 18.5, 5.2, ORANGE, "#ffffff", 1.2) + poly(
        [(16.6, 15.6), (21.4, 18.5), (16.6, 21.4)], "#ffffff", "#ffffff", 0.8, closed=True)


def page():
    return path("M4 1.5H14.5L20 7V22.5H4Z", "#ffffff", DARK, 1.3) + path(
        "M14.5 1.5V7H20", stroke=DARK, width=1.1)


def cube_faces(front="none", top="none", right="none"):
    out = poly([(3, 9), (15, 9), (15, 21), (3, 21)], DARK, front, 1.4, closed=True)
    out += poly([(3, 9), (8, 4), (20, 4), (15, 9)], DARK, top, 1.4, closed=True)
    out += poly([(15, 9), (20, 4), (20, 16), (15, 21)], DARK, right, 1.4, closed=True)
    return out


def film():
    out = rect(1.5, 5, 21, 14, "#303030", "#303030", 1, 1)
    for x in range(3, 22, 4):
        out += rect(x, 6, 2, 2, "#ffffff", "none", 0) + rect(x, 16, 2, 2, "#ffffff", "none", 0)
    return out


def arrow(x1, x2, y, color="#ffffff", width=1.8):
    d = 1 if x2 > x1 else -1
    return line(x1, y, x2 - d * 1, y, color, width) + poly(
        [(x2 - d * 3.5, y - 3), (x2, y), (x2 - d * 3.5, y + 3)], color, color, 1, closed=True)


def triangle_right(x, y, h, color=BLUE):
    return poly([(x, y - h / 2), (x + h * 0.85, y), (x, y + h / 2)], color, color, 1, closed=True)


def triangle_left(x, y, h, color=BLUE):
    return poly([(x, y - h / 2), (x - h * 0.85, y), (x, y + h / 2)], color, color, 1, closed=True)


def magnifier(inner=""):
    return circle(10, 10, 6.5, "#eaf2ff", DARK, 1.8) + line(14.8, 14.8, 21, 21, DARK, 3) + inner


def shaded_ball(kind):
    if kind == "flat":
        out = ""
        tones = ["#9fc3ee", "#7aa7dc", "#5a88c4", "#3f6aa6", "#2d5288", "#3f6aa6", "#5a88c4", "#7aa7dc"]
        for k in range(8):
            a0, a1 = k * math.pi / 4, (k + 1) * math.pi / 4
            out += poly([(12, 12), (12 + 10 * math.cos(a0), 12 - 10 * math.sin(a0)),
                         (12 + 10 * math.cos(a1), 12 - 10 * math.sin(a1))], "#1d3d6b", tones[k], 0.8,
                        closed=True)
        return out
    if kind == "smooth":
        grad = ('<defs><linearGradient id="g" x1="0" y1="0" x2="1" y2="1">'
                '<stop offset="0" stop-color="#b9d4f5"/><stop offset="1" stop-color="#1d3d6b"/>'
                '</linearGradient></defs>')
        p = [(12 + 10 * math.cos(k * math.pi / 8), 12 - 10 * math.sin(k * math.pi / 8)) for k in range(16)]
        return grad + poly(p, "#1d3d6b", "url(#g)", 1.0, closed=True)
    grad = ('<defs><radialGradient id="g" cx="0.35" cy="0.3" r="0.75">'
            '<stop offset="0" stop-color="#ffffff"/><stop offset="0.35" stop-color="#8fb6e8"/>'
            '<stop offset="1" stop-color="#15325c"/></radialGradient></defs>')
    return grad + circle(12, 12, 10, "url(#g)", "#15325c", 1.0)


def parallelogram_grid(kind):
    def at(u, v):
        return 2 + u * 14 + v * 6, 20 - v * 12 + u * 0
    out = ""
    if kind == "surface":
        for i in range(4):
            for j in range(4):
                tone = ["#5fae7f", "#3f8f60"][(i + j) % 2]
                out += poly([at(i / 4, j / 4), at((i + 1) / 4, j / 4), at((i + 1) / 4, (j + 1) / 4),
                             at(i / 4, (j + 1) / 4)], tone, tone, 0.4, closed=True)
        out += poly([at(0, 0), at(1, 0), at(1, 1), at(0, 1)], "#1f5f3a", width=1.2, closed=True)
    elif kind == "grid":
        for k in range(5):
            out += poly([at(k / 4, 0), at(k / 4, 1)], DARK, width=1.2)
            out += poly([at(0, k / 4), at(1, k / 4)], DARK, width=1.2)
    else:
        for i in range(5):
            for j in range(5):
                x, y = at(i / 4, j / 4)
                out += circle(round(x, 2), round(y, 2), 1.3, DARK, "none", 0)
    return out


def light_bulb():
    return (circle(12, 9.5, 6.5, "#ffd84a", "#9a7a00", 1.4)
            + rect(9, 16, 6, 4, "#a0a0a0", DARK, 1.2) + line(9.5, 22, 14.5, 22, DARK, 1.5)
            + line(12, 0.8, 12, 1.8, "#9a7a00", 1.2))


def coordinate_axes():
    return (line(9, 15, 21, 15, RED, 1.8) + poly([(18, 12.5), (21.5, 15), (18, 17.5)], RED, RED, 1, closed=True)
            + line(9, 15, 9, 3, GREEN, 1.8) + poly([(6.5, 6), (9, 2.5), (11.5, 6)], GREEN, GREEN, 1, closed=True)
            + line(9, 15, 3, 21, BLUE, 1.8) + poly([(2.5, 17.5), (2.5, 21.5), (6.5, 21.5)], BLUE, BLUE, 1, closed=True))


# ---- the buttons ------------------------------------------------------------------------

def small(glyph):
    return group(glyph, "translate(6 8) scale(0.55)")


ICONS = {
    # Toolbar1
    "barNew2D": page() + small(sine()),
    "barNew25D": page() + small(ribbon()),
    "barNew3D": page() + group(cube_faces("#cfe0f7", "#9fbfe8", "#6f9ad6"), "translate(6 8.5) scale(0.55)"),
    "barOpen": path("M2 6H9L11 8H21V20H2Z", "#f0c45a", "#8a6a10", 1.4) + path("M2 20L5 11H23L20 20Z", "#ffd77a", "#8a6a10", 1.3),
    "barSave": rect(3, 3, 18, 18, BLUE, "#103a7a", 1.4, 1.5) + rect(7, 3.7, 10, 6, "#ffffff", "none", 0) + rect(6, 13, 12, 8, "#e8e8e8", "none", 0),
    "barSaveAs": rect(2, 2, 15, 15, BLUE, "#103a7a", 1.3, 1.5) + rect(5, 2.6, 9, 5, "#ffffff", "none", 0)
    + path("M12 21L13 17.5L20 10.5L22.5 13L15.5 20Z", "#ffd84a", DARK, 1.2),
    "barPrint": rect(6, 2.5, 12, 7, "#ffffff", DARK, 1.3) + rect(2.5, 9, 19, 9, "#9a9a9a", DARK, 1.4, 1.5)
    + rect(6, 14, 12, 8, "#ffffff", DARK, 1.3) + line(8, 17, 16, 17, GREY, 1) + line(8, 19.5, 14, 19.5, GREY, 1),
    "barCut": circle(6.5, 18, 3.2, "none", DARK, 1.7) + circle(17.5, 18, 3.2, "none", DARK, 1.7)
    + line(8.5, 15.5, 17, 2.5, DARK, 1.8) + line(15.5, 15.5, 7, 2.5, DARK, 1.8),
    "barCopy": rect(3, 2.5, 12, 14, "#ffffff", DARK, 1.4, 1) + rect(9, 7.5, 12, 14, "#ffffff", DARK, 1.4, 1)
    + line(11.5, 11.5, 18.5, 11.5, GREY, 1) + line(11.5, 14.5, 18.5, 14.5, GREY, 1) + line(11.5, 17.5, 16.5, 17.5, GREY, 1),
    "barCopyAs": rect(2.5, 2.5, 12, 12, "#ffffff", DARK, 1.3, 1) + rect(8, 8, 14, 13, "#cfe8ff", DARK, 1.4)
    + poly([(8.7, 20.3), (13.5, 13.5), (16.5, 17), (18.5, 15), (21.3, 20.3)], GREEN, GREEN, 1, closed=True)
    + circle(18, 11.5, 1.6, "#ffd84a", "#9a7a00", 0.8),
    "barPaste": rect(3.5, 4, 13, 17, "#c8a060", "#6a4a10", 1.4, 1) + rect(7, 2, 6, 4, "#d0d0d0", DARK, 1.2, 1)
    + rect(10, 9, 11, 13, "#ffffff", DARK, 1.3) + line(12.5, 13, 18.5, 13, GREY, 1) + line(12.5, 16, 18.5, 16, GREY, 1),
    "varDel": line(5, 5, 19, 19, RED, 3.5) + line(19, 5, 5, 19, RED, 3.5),
    "barHelp": circle(12, 12, 10, BLUE, "#103a7a", 1.2)
    + path("M8.5 9.2A3.5 3.5 0 1 1 13.5 12.3C12.4 12.9 12 13.6 12 15", "none", "#ffffff", 2.2) + circle(12, 18.3, 1.4, "#ffffff", "none", 0),
    "barAbout": circle(12, 12, 10, GREEN, "#1f5f3a", 1.2) + circle(12, 6.8, 1.6, "#ffffff", "none", 0)
    + line(12, 10.5, 12, 18, "#ffffff", 2.8),
    "barFunPoints": points(),
    "barFun2DCart": axes2d() + sine(),
    "barFun2DPolar": rose(),
    "barFun25DCart": ribbon(),
    "barFun25DPolar": polar_ribbon(),
    "barFun3DCart": mesh_surface(),
    "barFun3DCyl": cylinder_mesh(),
    "barFun3DSph": sphere_mesh(),
    "barTab2D": table() + badge(axes2d() + poly([(4, 18), (9, 10), (14, 14), (20, 4)], BLUE, width=3)),
    "barTab25D": table("#e08a20") + badge(ribbon()),
    "barTab3D": table(GREEN) + badge(mesh_surface()),
    "barCoord": coordinate_axes(),
    "barLight": light_bulb(),
    # Toolbar2: the animated graphs carry a play badge
    "barAniPoints": points() + play_badge(),
    "barAniFun2DCart": axes2d() + sine() + play_badge(),
    "barAniFun2DPolar": rose() + play_badge(),
    "barAniFun25DCart": ribbon() + play_badge(),
    "barAniFun25DPolar": polar_ribbon() + play_badge(),
    "barAniFun3DCart": mesh_surface() + play_badge(),
    "barAniFun3DCyl": cylinder_mesh() + play_badge(),
    "barAniFun3DSph": sphere_mesh() + play_badge(),
    "AniStart": triangle_right(6, 12, 17, "#2a9d3a"),
    "AniPause": rect(5, 4, 5, 16, BLUE, "none", 0, 1) + rect(14, 4, 5, 16, BLUE, "none", 0, 1),
    "AniStop": rect(4.5, 4.5, 15, 15, RED, "none", 0, 1.5),
    "AniFirst": rect(3, 5, 2.5, 14, BLUE, "none", 0) + triangle_left(13.5, 12, 13) + triangle_left(21.5, 12, 13),
    "AniPre": rect(5, 5, 2.5, 14, BLUE, "none", 0) + triangle_left(18.5, 12, 14),
    "AniNext": triangle_right(5.5, 12, 14) + rect(16.5, 5, 2.5, 14, BLUE, "none", 0),
    "AniEnd": triangle_right(2.5, 12, 13) + triangle_right(10.5, 12, 13) + rect(18.5, 5, 2.5, 14, BLUE, "none", 0),
    "AniNormal": film() + arrow(4, 20, 12),
    "AniReverse": film() + arrow(20, 4, 12),
    "AniNormalRepeat": film() + path("M7 13.5A5 3.2 0 1 0 12 9.3", "none", "#ffd84a", 1.8)
    + poly([(10.5, 7), (14, 9.3), (10.5, 11.6)], "#ffd84a", "#ffd84a", 1, closed=True),
    "AniReverseRepeat": film() + arrow(5, 19, 10.2, "#ffd84a", 1.5) + arrow(19, 5, 13.8, "#7fd0ff", 1.5),
    # Toolbar3
    "barViewFront": cube_faces(front="#5a8fd6"),
    "barViewRight": cube_faces(right="#5a8fd6"),
    "barViewTop": cube_faces(top="#5a8fd6"),
    "barViewISO": cube_faces("#cfe0f7", "#9fbfe8", "#5a8fd6") + path("M2 23L6 19", stroke=RED, width=1.5),
    "barViewOrtho": rect(9, 3, 12, 12, "none", BLUE, 1.5) + rect(3, 9, 12, 12, "none", DARK, 1.6)
    + line(3, 9, 9, 3, BLUE, 1.5) + line(15, 9, 21, 3, BLUE, 1.5) + line(15, 21, 21, 15, BLUE, 1.5),
    "barViewPer": rect(14, 3, 7, 7, "none", BLUE, 1.5) + rect(2, 8, 14, 14, "none", DARK, 1.6)
    + line(2, 8, 14, 3, BLUE, 1.5) + line(16, 8, 21, 3, BLUE, 1.5) + line(16, 22, 21, 10, BLUE, 1.5),
    "barMove": line(12, 3, 12, 21, DARK, 1.8) + line(3, 12, 21, 12, DARK, 1.8)
    + poly([(9, 5.5), (12, 2), (15, 5.5)], DARK, DARK, 1, closed=True) + poly([(9, 18.5), (12, 22), (15, 18.5)], DARK, DARK, 1, closed=True)
    + poly([(5.5, 9), (2, 12), (5.5, 15)], DARK, DARK, 1, closed=True) + poly([(18.5, 9), (22, 12), (18.5, 15)], DARK, DARK, 1, closed=True),
    "barZoom": magnifier(line(7, 10, 13, 10, DARK, 1.8) + line(10, 7, 10, 13, DARK, 1.8)),
    "barZoomAll": magnifier(rect(7, 7.5, 6, 5, "none", DARK, 1.4)) + path("M2 6V2H6M18 2H22V6", stroke=BLUE, width=1.6),
    "barTrackBall": circle(12, 12, 6.5, "#cfe0f7", DARK, 1.4)
    + path("M3.5 15A9.5 5 0 1 0 7 6.5", "none", ORANGE, 1.8)
    + poly([(4.2, 4.5), (8.5, 5.8), (5.5, 9.2)], ORANGE, ORANGE, 1, closed=True),
    "barModelPoint": parallelogram_grid("points"),
    "barModelGrid": parallelogram_grid("grid"),
    "barModelSur": parallelogram_grid("surface"),
    "bar3DFlat": shaded_ball("flat"),
    "bar3DSmooth": shaded_ball("smooth"),
    "bar3DSmoothest": shaded_ball("smoothest"),
}


def main():
    os.makedirs(OUT, exist_ok=True)
    for key, body in ICONS.items():
        svg = ('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
               f'width="24" height="24" viewBox="0 0 24 24">{body}</svg>\n')
        with open(os.path.join(OUT, key + ".svg"), "w", encoding="utf-8") as f:
            f.write(svg)
    print(f"{len(ICONS)} icons written to {OUT}")


if __name__ == "__main__":
    main()
