#!/usr/bin/env python3
"""Writes the SVG sources of the shared artwork into this folder.

The category pictures put one icon and label per category exactly over the rectangles the main
screen's tap table hits (shell/app/CategoryTapTable.cpp), so the table below must follow it.
The small toolbar images and the strips of the toolbars are drawn from the same pictograms.
Run it again after changing a pictogram; the build renders the SVGs to PNG with rsvg-convert.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))

# Pictograms on a 24 x 24 grid: (fill colour, SVG elements).
PICTOGRAMS = {
    "Basic": ("#2f6db5", '<path d="M3 4h18v11H10l-5 5v-5H3z"/>'
              '<rect x="6" y="7" width="12" height="2" fill="#fff"/><rect x="6" y="11" width="8" height="2" fill="#fff"/>'),
    "Travel": ("#1d8a8a", '<path d="M11 2h2l1 8 8 4v2l-8-2-1 5 3 2v1l-4-1-4 1v-1l3-2-1-5-8 2v-2l8-4z"/>'),
    "Food": ("#c0622b", '<path d="M5 2h1v7h1V2h1v7h1V2h1v8a2 2 0 0 1-2 2v10H7V12a2 2 0 0 1-2-2z"/>'
             '<path d="M16 2c3 0 4 4 4 8h-2v12h-2z"/>'),
    "Lodging": ("#7b4fa8", '<path d="M2 20V6h2v8h7V9h8a3 3 0 0 1 3 3v8h-2v-3H4v3z"/><circle cx="7.5" cy="11" r="2"/>'),
    "Business": ("#4f5b66", '<path d="M9 4h6a1 1 0 0 1 1 1v2h5a1 1 0 0 1 1 1v11a1 1 0 0 1-1 1H3a1 1 0 0 1-1-1V8a1 1 0 0 1 1-1h5V5a1 1 0 0 1 1-1zm1 2v1h4V6z"/>'
                 '<rect x="2" y="12" width="20" height="1.5" fill="#fff"/>'),
    "Sightseeing": ("#2e8b3e", '<path d="M8 5l1.5-2h5L16 5h5a1 1 0 0 1 1 1v13a1 1 0 0 1-1 1H3a1 1 0 0 1-1-1V6a1 1 0 0 1 1-1z"/>'
                    '<circle cx="12" cy="12" r="5" fill="#fff"/><circle cx="12" cy="12" r="3"/>'),
    "Social": ("#d0468c", '<circle cx="8" cy="7" r="3.5"/><circle cx="16.5" cy="8" r="3"/>'
               '<path d="M1 21c0-5 3-8 7-8s7 3 7 8z"/><path d="M14 13.5c4 0 8 2 8 7.5h-5.5c0-3-1-5.5-2.5-7.5z"/>'),
    "Shopping and Services": ("#b8860b", '<path d="M4 8h16l-1.5 14h-13z"/>'
                              '<path d="M8 10V6a4 4 0 0 1 8 0v4h-1.5V6a2.5 2.5 0 0 0-5 0v4z"/>'),
    "Emergency": ("#cc2222", '<path d="M9 2h6v7h7v6h-7v7H9v-7H2V9h7z"/>'),
    "Questions": ("#3b7dd8", '<path d="M8 8a4 4 0 1 1 6 3.5c-1.2.7-1.5 1.3-1.5 2.5v1h-3v-1.3c0-2 .8-3 2.3-3.9A1.5 1.5 0 1 0 11 8z"/>'
                  '<circle cx="11" cy="19.5" r="2"/>'),
    "Favorites": ("#e0a800", '<path d="M12 2l3 6.5 7 .8-5.2 4.8 1.5 7L12 17.5 5.7 21l1.5-7L2 9.3l7-.8z"/>'),
}

LABELS = {"Shopping and Services": "Shopping"}

# (x0, x1, y0, y1) inclusive, per picture, in the tap table's order.
LAYOUTS = {
    "category-portrait": (240, 270, [
        ("Basic", 50, 100, 33, 78), ("Travel", 115, 165, 33, 78), ("Food", 180, 230, 33, 78),
        ("Lodging", 50, 100, 86, 131), ("Business", 115, 165, 86, 131), ("Sightseeing", 180, 230, 86, 131),
        ("Social", 50, 100, 139, 184), ("Shopping and Services", 115, 165, 139, 184),
        ("Emergency", 180, 230, 139, 184), ("Questions", 50, 100, 194, 239), ("Favorites", 180, 230, 194, 239)]),
    "category-square": (240, 188, [
        ("Basic", 42, 95, 22, 59), ("Travel", 108, 161, 22, 59), ("Food", 166, 219, 22, 59),
        ("Lodging", 42, 95, 60, 96), ("Business", 108, 161, 60, 96), ("Sightseeing", 166, 219, 60, 96),
        ("Social", 42, 95, 98, 133), ("Shopping and Services", 108, 161, 98, 133),
        ("Emergency", 166, 219, 98, 133), ("Questions", 42, 95, 135, 171), ("Favorites", 166, 219, 135, 171)]),
    "category-landscape": (320, 186, [
        ("Basic", 64, 124, 28, 58), ("Travel", 128, 188, 28, 58), ("Food", 195, 254, 28, 58),
        ("Lodging", 256, 315, 28, 58), ("Business", 64, 124, 75, 105), ("Sightseeing", 128, 188, 75, 105),
        ("Social", 195, 254, 75, 105), ("Shopping and Services", 64, 124, 120, 150),
        ("Emergency", 256, 315, 75, 105), ("Questions", 128, 188, 120, 150), ("Favorites", 195, 254, 120, 150)]),
}

FONT = 'font-family="DejaVu Sans" font-weight="bold"'


def category_picture(name, width, height, cells):
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" viewBox="0 0 {width} {height}">',
           '<defs><linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#e8f1fb"/><stop offset="1" stop-color="#c9dcf2"/></linearGradient></defs>',
           f'<rect width="{width}" height="{height}" fill="url(#sky)"/>',
           f'<text x="{width / 2}" y="{14 if height > 200 else 13}" text-anchor="middle" font-size="11" {FONT} '
           'fill="#1f3f6b">Choose a category</text>']
    for category, x0, x1, y0, y1 in cells:
        w, h = x1 - x0 + 1, y1 - y0 + 1
        colour, art = PICTOGRAMS[category]
        label = LABELS.get(category, category)
        out.append(f'<rect x="{x0 + 0.5}" y="{y0 + 0.5}" width="{w - 1}" height="{h - 1}" rx="6" '
                   f'fill="#ffffff" stroke="{colour}" stroke-width="1.5"/>')
        font = (8 if h < 40 else 9) - (1 if len(label) > 8 else 0)
        side = min(h - font - 7, w - 8, 28)
        ix = x0 + (w - side) / 2
        iy = y0 + 3
        scale = side / 24
        out.append(f'<g transform="translate({ix:.2f} {iy:.2f}) scale({scale:.3f})" fill="{colour}">{art}</g>')
        out.append(f'<text x="{x0 + w / 2:.1f}" y="{y1 - 2}" text-anchor="middle" font-size="{font}" {FONT} '
                   f'fill="#1f2f3f">{label}</text>')
    out.append('</svg>')
    with open(os.path.join(HERE, name + ".svg"), "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


# Small images, 16 x 15, on their own and in the toolbar strips.
SMALL = {
    "favadd": '<path d="M7 1l1.8 3.9 4.2.5-3.1 2.9.9 4.2L7 10.4 3.2 12.5l.9-4.2L1 5.4l4.2-.5z" fill="#e0a800" stroke="#8a6500" stroke-width=".6"/>'
              '<rect x="11" y="9" width="4.5" height="1.6" fill="#1a7f1a"/><rect x="12.45" y="7.2" width="1.6" height="5.2" fill="#1a7f1a"/>',
    "favdel": '<path d="M7 1l1.8 3.9 4.2.5-3.1 2.9.9 4.2L7 10.4 3.2 12.5l.9-4.2L1 5.4l4.2-.5z" fill="#e0a800" stroke="#8a6500" stroke-width=".6"/>'
              '<path d="M10.5 8l5 5m0-5l-5 5" stroke="#cc2222" stroke-width="1.8"/>',
    "search": '<circle cx="6" cy="6" r="4.2" fill="#dfefff" stroke="#1f3f6b" stroke-width="1.6"/>'
              '<path d="M9 9l5.5 5" stroke="#1f3f6b" stroke-width="2.2" stroke-linecap="round"/>',
    "tip": '<path d="M8 1a4.5 4.5 0 0 1 2.7 8.1c-.6.5-.9 1-.9 1.9H6.2c0-.9-.3-1.4-.9-1.9A4.5 4.5 0 0 1 8 1z" fill="#ffd83a" stroke="#8a6500" stroke-width=".7"/>'
           '<rect x="6" y="11.5" width="4" height="1.5" fill="#555"/><rect x="6.7" y="13.3" width="2.6" height="1.2" fill="#555"/>',
    "related": '<rect x="1" y="1.5" width="8" height="6" rx="1" fill="#dfefff" stroke="#2f6db5"/>'
               '<rect x="7" y="7.5" width="8" height="6" rx="1" fill="#fff2cc" stroke="#b8860b"/>'
               '<path d="M5 8v3h2" fill="none" stroke="#333" stroke-width="1"/>',
    "help": '<circle cx="8" cy="7.5" r="6.5" fill="#2f6db5"/>'
            '<path d="M5.8 5.6a2.3 2.3 0 1 1 3.4 2c-.7.4-.9.8-.9 1.5v.5H7.2v-.7c0-1.1.5-1.7 1.3-2.2a.9.9 0 1 0-1.4-.9z" fill="#fff"/>'
            '<circle cx="7.8" cy="11.6" r="1" fill="#fff"/>',
    "about": '<circle cx="8" cy="7.5" r="6.5" fill="#1d8a8a"/><rect x="7" y="6.5" width="2" height="5.5" fill="#fff"/>'
             '<circle cx="8" cy="4.3" r="1.1" fill="#fff"/>',
}

STRIPS = {
    "toolbar-main": ["search", "about", "help"],
    "toolbar-normal": ["favadd", "search", "tip", "related"],
    "toolbar-favorites": ["favdel", "search", "tip", "related"],
}


def small_images():
    for name, art in SMALL.items():
        with open(os.path.join(HERE, f"icon-{name}.svg"), "w", encoding="utf-8") as f:
            f.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="16" height="15" viewBox="0 0 16 15">{art}</svg>\n')
    for name, parts in STRIPS.items():
        width = 16 * len(parts)
        body = "".join(f'<g transform="translate({16 * i} 0)">{SMALL[p]}</g>' for i, p in enumerate(parts))
        with open(os.path.join(HERE, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="15" viewBox="0 0 {width} 15">'
                    f'{body}</svg>\n')


if __name__ == "__main__":
    for picture, (w, h, cells) in LAYOUTS.items():
        category_picture(picture, w, h, cells)
    small_images()
