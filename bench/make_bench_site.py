#!/usr/bin/env python3
"""Writes a synthetic site for the export benchmark, and the same site for Hugo.

OUT/library/   a widget library: the real root definitions (data/config.json) and
               three widgets with templates (Text, Card, Menu)
OUT/site/      site.quillora: PAGES pages of WIDGETS positioned objects each, two
               enabled viewports, and a "files" folder with one picture
OUT/hugo/      an equivalent Hugo site: the same pages, each element positioned by
               its own style rule with the two viewports' media rules
"""
import argparse
import json
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT_DEFINITIONS = os.path.join(HERE, "..", "data", "config.json")

VIEWPORTS = [
    {"name": "Phone", "media-min-width": "0px", "media-max-width": "480px", "page-width": "100%", "enable": "yes"},
    {"name": "Tablet", "media-min-width": "481px", "media-max-width": "991px", "page-width": "750px", "enable": "yes"},
]

WIDGETS = {
    "Text": {
        "config": {"Text": {"Base": "Container", "ExternalCSS": "widgets/Bench/Text/text.css",
                            "Properties": [{"Name": "text", "Type": "String", "DefaultValue": "Text"}]}},
        "templates": {"Text.htm": '<p class="text">[#text]</p>'},
        "files": {"text.css": ".text { margin: 0; }\n"},
    },
    "Card": {
        "config": {"Card": {"Base": "Container",
                            "Properties": [{"Name": "title", "Type": "String", "DefaultValue": ""},
                                           {"Name": "body", "Type": "String", "DefaultValue": ""},
                                           {"Name": "link", "Type": "String", "Subtype": "Link", "DefaultValue": ""}]}},
        "templates": {"Card.htm": '<div class="card"><h3><a [#link]>[#title]</a></h3>\n'
                                  '[[ifexist body]]<p>[#body]</p>[[/ifexist]]\n</div>'},
        "files": {},
    },
    "Menu": {
        "config": {"Menu": {"Base": "Container", "ExternalJS": "widgets/Bench/Menu/menu.js",
                            "Properties": [{"Name": "data", "Type": "String", "Subtype": "DataList", "DefaultValue": "[]",
                                            "DataFormat": {"Properties": [
                                                {"Name": "title", "Type": "String", "DefaultValue": ""},
                                                {"Name": "link", "Type": "String", "Subtype": "Link", "DefaultValue": ""}]}}]}},
        "templates": {"Menu.htm": '<ul class="menu">[[foreach data Item.htm]]</ul>',
                      "Item.htm": '<li[[islinktoself link]] class="active"[[/islinktoself]]>'
                                  '<a [#link]>[#%]. [#title]</a></li>'},
        "files": {"menu.js": "/* menu */\n"},
    },
}


def prop(name, value):
    return {"property": {"name": name, "type": "String", "value": {"int": 0, "str": value}}}


def obj(kind, props, children=None, viewport_lists=None):
    return {"object": {"type": kind, "propertylist": [prop(k, v) for k, v in props.items()],
                       "children": children, "viewportpropertylist": viewport_lists}}


def page_name(index):
    return "index" if index == 0 else "page%d" % index


def element(page, index):
    """Position, size and content of element `index` of a page, shared with Hugo."""
    row, column = divmod(index, 4)
    return {"id": "p%dw%d" % (page, index), "top": 20 + row * 60, "left": 20 + column * 230,
            "width": 220, "height": 50, "kind": ("Block", "_Bench_Text", "_Bench_Card", "_Bench_Menu")[index % 4],
            "text": "Element %d of page %d" % (index, page)}


def widget_object(page, index, pages):
    e = element(page, index)
    props = {"name": e["id"], "position": "absolute", "top": "%dpx" % e["top"], "left": "%dpx" % e["left"],
             "width": "%dpx" % e["width"], "height": "%dpx" % e["height"]}
    kind = e["kind"]
    if kind == "Block":
        props["innerHTML"] = '<p>%s <img src="files/dot.png" /></p>' % e["text"]
    elif kind == "_Bench_Text":
        props["text"] = e["text"]
    elif kind == "_Bench_Card":
        props["title"] = e["text"]
        props["body"] = "A card on page %d." % page
        props["link"] = json.dumps({"link": page_name((page + 1) % pages) + ".htm", "target": ""})
    else:
        items = [{"title": page_name(p), "link": json.dumps({"link": page_name(p) + ".htm"})} for p in range(min(pages, 5))]
        props["data"] = json.dumps(items)
    lists = []
    for v in range(len(VIEWPORTS)):
        scale = 0.5 if v == 0 else 0.8
        lists.append({"propertylist": [prop("top", "%dpx" % int(e["top"] * scale)), prop("left", "%dpx" % int(e["left"] * scale)),
                                       prop("width", "%dpx" % int(e["width"] * scale)), prop("height", "%dpx" % e["height"])],
                      "viewportpropertylist": None})
    return obj(kind, props, None, lists)


def write_library(out):
    library = os.path.join(out, "library")
    os.makedirs(library, exist_ok=True)
    shutil.copy(ROOT_DEFINITIONS, os.path.join(library, "config.json"))
    for name, widget in WIDGETS.items():
        directory = os.path.join(library, "widgets", "Bench", name)
        os.makedirs(directory, exist_ok=True)
        with open(os.path.join(directory, "config.json"), "w") as f:
            json.dump(widget["config"], f, indent=1)
        for file_name, text in list(widget["templates"].items()) + list(widget["files"].items()):
            with open(os.path.join(directory, file_name), "w") as f:
                f.write(text)


def write_site(out, pages, widgets):
    directory = os.path.join(out, "site")
    os.makedirs(os.path.join(directory, "files"), exist_ok=True)
    with open(os.path.join(directory, "files", "dot.png"), "wb") as f:
        f.write(b"\x89PNG bench")
    page_objects = []
    for p in range(pages):
        lists = [{"propertylist": [prop("page-width", v["page-width"])], "viewportpropertylist": None} for v in VIEWPORTS]
        children = [widget_object(p, i, pages) for i in range(widgets)]
        page_objects.append(obj("Page", {"name": page_name(p), "title": "Page %d" % p}, children, lists))
    site = obj("Site", {"name": "bench", "title": "Bench site", "page-width": "960px",
                        "viewport": json.dumps(VIEWPORTS), "domain": "http://bench.example/"}, page_objects,
               # The site keeps the one list its definition's default viewport gave it.
               [{"propertylist": [], "viewportpropertylist": None}])
    site["object"]["sharedobject"] = None
    site["version"] = 1
    with open(os.path.join(directory, "site.quillora"), "w") as f:
        json.dump(site, f)


HUGO_LAYOUT = """<!DOCTYPE html>
<html>
<head>
<title>{{ .Title }}</title>
<meta http-equiv="content-type" content="text/html; charset=utf-8" />
<link rel="stylesheet" href="/text.css" type="text/css" />
<script type="text/javascript" src="/menu.js"></script>
<style type="text/css">
body { padding:0; margin:0; border: 0; }
#page { position: relative; width: 960px; margin: 0 auto; }
{{ range .Params.elements }}#{{ .id }} { top: {{ .top }}px; position: absolute; left: {{ .left }}px; width: {{ .width }}px; height: {{ .height }}px; }
#{{ .id }}:hover { }
#{{ .id }} a { }
{{ end }}{{ range $.Site.Params.viewports }}{{ $v := . }}@media (min-width: {{ .min }}) and (max-width: {{ .max }}) {
{{ range $.Params.elements }}#{{ .id }} { top: {{ mul .top $v.scale | int }}px; position: absolute; left: {{ mul .left $v.scale | int }}px; width: {{ mul .width $v.scale | int }}px; height: {{ .height }}px; }
{{ end }}}
{{ end }}</style>
</head>
<body>
<div id="page">
{{ range .Params.elements }}<div id="{{ .id }}">
{{ if eq .kind "Block" }}<p>{{ .text }} <img src="/dot.png" /></p>{{ else if eq .kind "_Bench_Text" }}<p class="text">{{ .text }}</p>{{ else if eq .kind "_Bench_Card" }}<div class="card"><h3><a href="{{ $.Site.BaseURL }}">{{ .text }}</a></h3><p>A card.</p></div>{{ else }}<ul class="menu">{{ range $i, $p := first 5 $.Site.RegularPages }}<li><a href="{{ $p.RelPermalink }}">{{ add $i 1 }}. {{ $p.Title }}</a></li>{{ end }}</ul>{{ end }}
</div>
{{ end }}</div>
</body>
</html>
"""


def write_hugo(out, pages, widgets):
    directory = os.path.join(out, "hugo")
    for sub in ("content", "layouts/_default", "static"):
        os.makedirs(os.path.join(directory, sub), exist_ok=True)
    with open(os.path.join(directory, "config.toml"), "w") as f:
        f.write('baseURL = "http://bench.example/"\ntitle = "Bench site"\ndisableKinds = ["taxonomy", "term", "RSS", "sitemap"]\n'
                '[params]\nviewports = [{min = "0px", max = "480px", scale = 0.5}, {min = "481px", max = "991px", scale = 0.8}]\n')
    with open(os.path.join(directory, "layouts", "_default", "single.html"), "w") as f:
        f.write(HUGO_LAYOUT)
    with open(os.path.join(directory, "layouts", "_default", "list.html"), "w") as f:
        f.write("<html><body>{{ .Title }}</body></html>\n")
    for name, text in (("text.css", ".text { margin: 0; }\n"), ("menu.js", "/* menu */\n"), ("dot.png", "PNG bench")):
        with open(os.path.join(directory, "static", name), "w") as f:
            f.write(text)
    for p in range(pages):
        elements = [element(p, i) for i in range(widgets)]
        # "index.md" at the content root would make the root a leaf bundle.
        with open(os.path.join(directory, "content", "page%d.md" % p), "w") as f:
            json.dump({"title": "Page %d" % p, "elements": elements}, f)
            f.write("\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("out")
    parser.add_argument("--pages", type=int, default=1000)
    parser.add_argument("--widgets", type=int, default=100)
    arguments = parser.parse_args()
    shutil.rmtree(arguments.out, ignore_errors=True)
    write_library(arguments.out)
    write_site(arguments.out, arguments.pages, arguments.widgets)
    write_hugo(arguments.out, arguments.pages, arguments.widgets)


if __name__ == "__main__":
    main()
