#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the page from the window's design: every control of ui/Main.ui at its
place and size, as the HTML control of its kind, named by its object name (the
field names the program knows), put into the page template where it says
<!-- controls -->.

  make_page.py MAIN_UI TEMPLATE ICON OUTPUT

Controls follow each other in the order a person reads the window, row by row from
the top, frame by frame, which is also the order Tab takes through them."""

import base64
import html
import sys
import xml.etree.ElementTree as ElementTree

# The values a program writes: shown in an <output>, explained in a tooltip.
EXPLAINED = {"QLineEdit", "quorvane::OctetBox", "QComboBox", "QPlainTextEdit"}


def prop(widget, name):
    """A property's value as text, or None."""
    node = widget.find(f"property[@name='{name}']")
    if node is None:
        return None
    value = node[0]
    return value.text or ""


def geometry(widget):
    rect = widget.find("property[@name='geometry']/rect")
    return {key: int(rect.find(key).text) for key in ("x", "y", "width", "height")}


def place(widget, extra=""):
    g = geometry(widget)
    style = f"left:{g['x']}px;top:{g['y']}px;width:{g['width']}px;height:{g['height']}px"
    return f' style="{style}{extra}"'


def reading_order(widgets):
    return sorted(widgets, key=lambda w: (geometry(w)["y"], geometry(w)["x"]))


def described(name):
    return f' aria-describedby="{name}-says"'


def control(widget, out, explained):
    kind = widget.get("class")
    name = widget.get("name")
    text = html.escape(prop(widget, "text") or "")
    spoken = prop(widget, "accessibleName")
    label = f' aria-label="{html.escape(spoken)}"' if spoken else ""
    if kind == "QGroupBox":
        title = html.escape(prop(widget, "title"))
        out.append(f'<fieldset id="{name}"{place(widget)}><legend>{title}</legend>')
        for child in reading_order(widget.findall("widget")):
            control(child, out, explained)
        out.append("</fieldset>")
    elif kind == "QLabel":
        right = ";text-align:right" if "AlignRight" in (prop(widget, "alignment") or "") else ""
        buddy = prop(widget, "buddy")
        if name == "Title":
            out.append(f'<h1 id="{name}"{place(widget)}>{text}</h1>')
        elif buddy:
            out.append(f'<label id="{name}" for="{buddy}"{place(widget, right)}>{text}</label>')
        elif not text:
            explained.append(name)
            out.append(f'<output id="{name}"{place(widget, right)}{described(name)}></output>')
        else:
            out.append(f'<span id="{name}"{place(widget, right)}>{text}</span>')
    elif kind in ("QLineEdit", "quorvane::OctetBox"):
        explained.append(name)
        out.append(f'<input id="{name}" type="text" inputmode="decimal" autocomplete="off" '
                   f'spellcheck="false"{label}{place(widget)}{described(name)}>')
    elif kind == "QComboBox":
        explained.append(name)
        out.append(f'<select id="{name}"{label}{place(widget)}{described(name)}>'
                   f"<button{label}><selectedcontent></selectedcontent></button></select>")
    elif kind == "QRadioButton":
        checked = " checked" if prop(widget, "checked") == "true" else ""
        out.append(f'<label class="option"{place(widget)}><input type="radio" name="mode" '
                   f'id="{name}"{checked}>{text}</label>')
    elif kind == "QPlainTextEdit":
        explained.append(name)
        out.append(f'<textarea id="{name}" spellcheck="false" autocomplete="off"{label}'
                   f'{place(widget)}{described(name)}></textarea>')
    else:
        sys.exit(f"make_page.py: no HTML control for {kind} {name}")


def main(ui_path, template_path, icon_path, output_path):
    window = ElementTree.parse(ui_path).getroot().find("widget")
    size = geometry(window)
    out, explained = [], []
    for widget in reading_order(window.findall("widget")):
        control(widget, out, explained)
    says = "".join(f'<span id="{name}-says"></span>' for name in explained)
    controls = (f'<div id="{window.get("name")}" style="width:{size["width"]}px;'
                f'height:{size["height"]}px">\n' + "\n".join(out) +
                f'\n</div>\n<div hidden>{says}</div>')
    with open(template_path, encoding="utf-8") as file:
        page = file.read()
    if "<!-- controls -->" not in page:
        sys.exit("make_page.py: the template has no <!-- controls -->")
    page = page.replace("<!-- controls -->", controls)
    # The window and a margin of 4 pixels on either side.
    page = page.replace("@PAGE_WIDTH@", str(size["width"] + 8))
    # The page's own icon inside it: a browser asks for a file icon again whenever
    # the link changes.
    with open(icon_path, "rb") as file:
        icon = base64.b64encode(file.read()).decode("ascii")
    page = page.replace("@ICON@", f"data:image/svg+xml;base64,{icon}")
    with open(output_path, "w", encoding="utf-8") as file:
        file.write(page)


if __name__ == "__main__":
    main(*sys.argv[1:])
