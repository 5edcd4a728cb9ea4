// The Cp map in SVG, as the desktop draws it: the building unfolded (the
// roof above wall 1, walls 1 to 4 side by side, one scale for all), each
// element a marker in the map's colours (pressure warm, suction cool, 0
// white), ringed beyond the scale, hollow and crossed without a value, a
// diamond where the Cp is implausible; the legend, the wind on the building
// and the elements without a value beside it; with the spread layer on, each
// marker ringed with the model's own spread of its Cp. The content, the
// colours and the rings' look are the engine's (map/cpmap_model.h,
// map/spread_ring.h); only the places are the page's.
"use strict";
window.Ventora = window.Ventora || {};
Ventora.cpMap = (() => {
  const SVG = "http://www.w3.org/2000/svg";
  const INK = "#2f3e4e";
  const IMPLAUSIBLE = "#c000c0";  // in no colour of the scale
  const FACADE_FILL = "#f3f5f7";
  const RED = "#b01c2e";
  const FONT = 13;
  const WIDTH = 1100;
  const PANEL = 15 * FONT;
  const NET_HEIGHT = 560;  // the building's net at most this high
  // The least width a facade takes, so that its name and average fit
  // ("average Cp -0.000" is about nine and a half font sizes).
  const COLUMN = 8.5 * FONT;
  const measure = document.createElement("canvas").getContext("2d");

  function el(name, attributes, text) {
    const e = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes)) e.setAttribute(key, value);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function text(x, y, content, extra = {}) {
    return el("text", { x, y, fill: INK, ...extra }, content);
  }

  function diamond(cx, cy, r) {
    return el("polygon", { points: `${cx},${cy - r} ${cx + r},${cy} ${cx},${cy + r} ${cx - r},${cy}`,
                           fill: "none", stroke: IMPLAUSIBLE, "stroke-width": 2.2,
                           class: "implausible-mark" });
  }

  // A label as wide as `room` at most, its end elided as the desktop's.
  function fitted(label, size, room) {
    measure.font = `${size}px system-ui, sans-serif`;
    if (measure.measureText(label).width <= room) return label;
    let n = label.length;
    while (n > 1 && measure.measureText(label.slice(0, n).trimEnd() + "\u2026").width > room) --n;
    return label.slice(0, n).trimEnd() + "\u2026";
  }

  // The walls side by side at `scale` pixels per metre, each as wide as its labels at least.
  function netWidth(map, scale, gap) {
    let width = 3 * gap;
    for (let i = 0; i < 4; ++i) width += Math.max(map.facades[i].L * scale, COLUMN);
    return width;
  }

  // Where each facade goes: walls 1 to 4 side by side under the roof, which
  // stands over wall 1; one scale in pixels per metre.
  function layOut(map) {
    const [f1, f2] = map.facades;
    const roof = map.facades[4];
    const band = { label: 2.9 * FONT, below: 1.8 * FONT, gap: 2 * FONT };
    const width = WIDTH - PANEL - 4 * FONT;
    const across = 2 * (f1.L + f2.L);
    const up = roof.H + f1.H;
    let scale = across > 0 && up > 0
      ? Math.max(0, Math.min((width - 3 * band.gap) / across, NET_HEIGHT / up)) : 0;
    // Narrow walls widen to their labels and leave the others less room; the
    // width grows with the scale, so halving finds the largest that fits.
    if (netWidth(map, scale, band.gap) > width && netWidth(map, 0, band.gap) <= width) {
      let fits = 0;
      let tooWide = scale;
      for (let i = 0; i < 60; ++i) {
        const mid = (fits + tooWide) / 2;
        if (netWidth(map, mid, band.gap) <= width) fits = mid; else tooWide = mid;
      }
      scale = fits;
    }
    const top = 4 * FONT;
    const boxes = [];
    // `room`: how far the facade's labels may run, most of the way to the next.
    const box = (x, y, f) => ({ x, y, w: f.L * scale, h: f.H * scale,
                                room: Math.max(f.L * scale, COLUMN) + 0.8 * band.gap });
    const roofBox = box(FONT, top + band.label, roof);
    let x = FONT;
    const wallTop = roofBox.y + roofBox.h + band.below + band.label;
    for (let i = 0; i < 4; ++i) {
      boxes.push(box(x, wallTop, map.facades[i]));
      x += Math.max(map.facades[i].L * scale, COLUMN) + band.gap;
    }
    boxes.push(roofBox);
    return { boxes, scale, bottom: wallTop + f1.H * scale + band.below + FONT };
  }

  function centre(box, marker, scale) {
    return [box.x + marker.X * scale, box.y + box.h - marker.Z * scale];
  }

  // The markers' size from the closest two of a facade; values printed
  // beside them when there is room.
  function markerSize(map, layout) {
    let smallest = Infinity;
    map.facades.forEach((f, i) => {
      const points = f.markers.map((m) => centre(layout.boxes[i], m, layout.scale));
      for (let a = 0; a < points.length; ++a) {
        for (let b = a + 1; b < points.length; ++b) {
          const d = Math.hypot(points[a][0] - points[b][0], points[a][1] - points[b][1]);
          if (d > 0) smallest = Math.min(smallest, d);
        }
      }
    });
    const largest = 0.75 * FONT;
    const radius = Number.isFinite(smallest) ? Math.min(Math.max(0.42 * smallest, 2.5), largest)
                                             : largest;
    return { radius, valuesFit: smallest >= 3.1 * FONT };
  }

  // Whether text printed under a marker, down to `depth` below it, would run
  // into its facade's average (the desktop leaves such a value out too).
  function overAverage(box, cx, cy, r, depth) {
    const top = cy + r + 0.3 * FONT;
    const average = { x: box.x, y: box.y + box.h + 0.45 * FONT,
                      w: Math.min(box.room, 9.5 * FONT), h: FONT };
    return top < average.y + average.h && cy + r + depth > average.y &&
           cx - 1.4 * FONT < average.x + average.w && cx + 1.4 * FONT > average.x;
  }

  // The spread layer's ring round a marker, Cp low to Cp high under the
  // value of a wide one (haloed: it may cross the facade's edge); the ring
  // holds Cp low and Cp high as the CSV writes them.
  function spreadRing(s, cx, cy, size, gap, box) {
    const g = el("g", { class: "spread", "data-low": s.low, "data-high": s.high });
    g.append(el("circle", { cx, cy, r: size.radius + gap + s.thickness / 2, fill: "none",
                            stroke: s.colour, "stroke-width": s.thickness }));
    if (s.wide && size.valuesFit && !overAverage(box, cx, cy, size.radius, 1.8 * FONT)) {
      g.append(text(cx, cy + size.radius + 1.6 * FONT, s.range,
                    { "text-anchor": "middle", "font-size": 0.7 * FONT, fill: s.colour,
                      stroke: "#fff", "stroke-width": 3, "paint-order": "stroke" }));
    }
    return g;
  }

  function marker(m, at, box, size, range, engine, spread) {
    const [cx, cy] = at;
    const r = size.radius;
    const s = spread ? spread.elements[m.k - 1] : null;
    const g = el("g", { class: "marker", "data-k": m.k, "data-state": m.state });
    g.append(el("title", {}, s ? `${m.text}\n${s.tip}` : m.text));
    if (m.state !== "computed") {
      const d = r * 0.6;
      g.append(el("circle", { cx, cy, r, fill: "none", stroke: RED, "stroke-width": 1.6 }));
      g.append(el("path", { d: `M${cx - d} ${cy - d}L${cx + d} ${cy + d}M${cx - d} ${cy + d}` +
                               `L${cx + d} ${cy - d}`, stroke: RED, "stroke-width": 1.6 }));
      return g;
    }
    g.append(el("circle", { cx, cy, r, fill: engine.cpColour(m.cp, range.lower, range.upper),
                            stroke: INK, "stroke-width": 1 }));
    if (m.cp < range.lower || m.cp > range.upper) {  // the end colour: a ring says so
      g.append(el("circle", { cx, cy, r: r + 3, fill: "none", stroke: INK, "stroke-width": 2 }));
    }
    if (m.implausible) g.append(diamond(cx, cy, r + 5));
    if (size.valuesFit && !overAverage(box, cx, cy, r, FONT)) {
      g.append(text(cx, cy + r + 0.85 * FONT, m.cpText,
                    { "text-anchor": "middle", "font-size": 0.75 * FONT }));
    }
    if (s) g.append(spreadRing(s, cx, cy, size, spread.gap, box));
    return g;
  }

  function facade(f, box, map, layout, size, range, engine, spread) {
    const g = el("g", { class: "facade", "data-facade": f.iface });
    g.append(el("rect", { x: box.x, y: box.y, width: box.w, height: box.h, fill: FACADE_FILL,
                          stroke: INK, "stroke-width": 1.5 }));
    g.append(text(box.x, box.y - 1.7 * FONT, f.title, { "font-weight": 700 }));
    const wind = text(box.x, box.y - 0.45 * FONT, fitted(f.wind, 0.9 * FONT, box.room),
                      { "font-size": 0.9 * FONT });
    if (wind.textContent !== f.wind) wind.append(el("title", {}, f.wind));
    g.append(wind);
    g.append(text(box.x, box.y + box.h + 1.25 * FONT, f.average));
    if (f.iface === 5 && map.Islope === 2) {  // the ridge, halfway from wall 1 to wall 3
      const x = box.x + box.w / 2;
      g.append(el("line", { x1: x, y1: box.y, x2: x, y2: box.y + box.h, stroke: RED,
                            "stroke-width": 2, "stroke-dasharray": "6 4" }));
    }
    for (const m of f.markers) {
      g.append(marker(m, centre(box, m, layout.scale), box, size, range, engine, spread));
    }
    return g;
  }

  // The colour bar with its values, and what the marks mean. Returns the
  // height it takes.
  function legend(svg, map, fixed, range, left, top, engine) {
    const bar = { x: left, y: top + 2.2 * FONT, w: 1.6 * FONT, h: 14 * FONT };
    svg.append(text(left, top + FONT, fixed ? "Cp (fixed scale)" : "Cp", { "font-weight": 700 }));
    const slices = 96;
    for (let i = 0; i < slices; ++i) {
      const cp = range.upper - ((range.upper - range.lower) * (i + 0.5)) / slices;
      svg.append(el("rect", { x: bar.x, y: bar.y + (bar.h * i) / slices, width: bar.w,
                              height: bar.h / slices + 0.5,
                              fill: engine.cpColour(cp, range.lower, range.upper) }));
    }
    svg.append(el("rect", { x: bar.x, y: bar.y, width: bar.w, height: bar.h, fill: "none",
                            stroke: INK }));
    for (const t of [1, 0.5, 0, -0.5, -1]) {
      const value = t >= 0 ? range.upper * t : -range.lower * t;
      const y = bar.y + bar.h * (1 - (value - range.lower) / (range.upper - range.lower));
      svg.append(el("line", { x1: bar.x + bar.w, y1: y, x2: bar.x + bar.w + 0.4 * FONT, y2: y,
                              stroke: INK }));
      const words = { 1: "  pressure", "-1": "  suction" }[t] || "";
      svg.append(text(bar.x + bar.w + 0.6 * FONT, y + 0.35 * FONT, engine.cpText(value) + words,
                      { "xml:space": "preserve" }));
    }
    let below = bar.y + bar.h + 1.5 * FONT;
    const italic = { "font-style": "italic", "font-size": 0.85 * FONT };
    if (fixed) {
      svg.append(text(left, below, "ringed: beyond the scale", italic));
      below += 1.4 * FONT;
    }
    if (map.anyImplausible) {
      svg.append(diamond(left + 0.6 * FONT, below - 0.35 * FONT, 0.55 * FONT));
      svg.append(text(left + 1.5 * FONT, below, "implausible: beyond possible Cp", italic));
      below += 1.4 * FONT;
    }
    return below - top;
  }

  // The wind on the building, north up, as the plan of the job.
  function sketch(svg, map, left, top) {
    const roof = map.facades[4];
    svg.append(text(left, top + FONT, "Wind on the building", { "font-weight": 700 }));
    const plan = Ventora.picture.plan({ BdX: roof.L, BdY: roof.H, AzB: map.AzB,
                                        AnWind: map.AnWind }, 0, "map-plan");
    for (const [key, value] of Object.entries({ x: left, y: top + 1.4 * FONT, width: PANEL,
                                                height: PANEL })) plan.setAttribute(key, value);
    svg.append(plan);
    return 1.4 * FONT + PANEL;
  }

  function hollowList(svg, map, left, top) {
    if (map.hollow.length === 0) return 0;
    svg.append(text(left, top + FONT, `Without a value: ${map.hollow.length}`,
                    { "font-weight": 700 }));
    const line = 1.35 * FONT;
    const shown = map.hollow.slice(0, 12);
    shown.forEach((h, i) => {
      const y = top + FONT + (2 * i + 1) * line;
      svg.append(text(left, y, h.place, { "font-size": 0.85 * FONT }));
      svg.append(text(left + FONT, y + line, h.why, { "font-size": 0.85 * FONT }));
    });
    if (map.hollow.length > shown.length) {
      svg.append(text(left, top + FONT + (2 * shown.length + 1) * line,
                      `\u2026 and ${map.hollow.length - shown.length} more`,
                      { "font-size": 0.85 * FONT }));
    }
    return FONT + (2 * shown.length + 2) * line;
  }

  // The spread layer's key, right of the title as the desktop has it.
  function spreadKey(svg, spread) {
    const g = el("g", { class: "spread" });
    spread.key.split("\n").forEach((line, i) => {
      g.append(text(WIDTH - FONT, (1.6 + 1.4 * i) * FONT, line,
                    { "text-anchor": "end", "font-size": 0.9 * FONT }));
    });
    svg.append(g);
  }

  // `spread` is null while the spread layer is off.
  function draw(holder, map, fixed, engine, spread = null) {
    const range = fixed ? map.scales.fixed : map.scales.automatic;
    const layout = layOut(map);
    const size = markerSize(map, layout);
    const svg = el("svg", { id: "cp-map-drawing", "font-size": FONT,
                            "font-family": "system-ui, sans-serif", role: "img",
                            "aria-label": `Cp map of ${map.title}` });
    svg.append(el("rect", { x: 0, y: 0, width: WIDTH, height: "100%", fill: "#fff" }));
    svg.append(text(FONT, 1.6 * FONT, `Cp map \u2013 ${map.title}`,
                    { "font-weight": 700, "font-size": 1.35 * FONT }));
    svg.append(text(FONT, 3 * FONT, `${map.headline}  Pressure warm, suction cool, 0 white.`,
                    { "xml:space": "preserve" }));
    map.facades.forEach((f, i) => svg.append(facade(f, layout.boxes[i], map, layout, size, range,
                                                    engine, spread)));
    if (spread) spreadKey(svg, spread);
    const left = WIDTH - PANEL - FONT;
    let y = 4 * FONT;
    y += legend(svg, map, fixed, range, left, y, engine) + FONT;
    y += sketch(svg, map, left, y) + FONT;
    y += hollowList(svg, map, left, y);
    const height = Math.ceil(Math.max(layout.bottom, y) + FONT);
    svg.setAttribute("viewBox", `0 0 ${WIDTH} ${height}`);
    holder.replaceChildren(svg);
  }

  return { draw };
})();
