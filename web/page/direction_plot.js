// Cp against the wind direction, as the desktop plots and tabulates it:
// polar (the direction the wind comes from as the bearing, north up) or as
// lines over 0 to 360 degrees, the chosen elements in their colours, the
// walls' normals, the job's own wind direction and the band -1..1 beyond
// which the exports warn; the table of the chosen elements' values. The
// scale, the colours and the numbers' text are the engine's.
"use strict";
window.Ventora = window.Ventora || {};
Ventora.directionPlot = (() => {
  const SVG = "http://www.w3.org/2000/svg";
  const INK = "#2f3e4e";
  const GRID = "#d3d9e0";
  const BAND = "#e9f3e4";
  const WIND = "#b01c2e";
  const IMPLAUSIBLE = "#c000c0";
  const FONT = 13;
  const MOST_CURVES = 24;  // more are no longer told apart; the table holds them all
  const NOT_COMPUTED = 10000;

  function el(name, attributes, text) {
    const e = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes)) e.setAttribute(key, value);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  const isValue = (cp) => Number.isFinite(cp) && cp !== NOT_COMPUTED;

  function scaleOf(plot, chosen, fixed, engine) {
    let largest = 0;
    for (const i of chosen)
      for (const cp of plot.elements[i].cp) if (isValue(cp)) largest = Math.max(largest, Math.abs(cp));
    return engine.plotScale(largest, fixed);
  }

  function ticks(scale) {
    const values = [];
    for (let v = Math.ceil(scale.lower / scale.tick - 1e-6) * scale.tick;
      v <= scale.upper + 1e-6 * scale.tick; v += scale.tick) values.push(Math.abs(v) < 1e-9 ? 0 : v);
    return values;
  }

  const fraction = (cp, s) => Math.min(1, Math.max(0, (cp - s.lower) / (s.upper - s.lower)));

  // Where the drawing puts Cp `cp` at wind direction `d` (degrees).
  function placer(kind, scale, frame) {
    if (kind === "line") {
      return (d, cp) => [frame.left + (frame.width * d) / 360,
                         frame.top + frame.height * (1 - fraction(cp, scale))];
    }
    return (d, cp) => {
      const r = frame.hole + (frame.radius - frame.hole) * fraction(cp, scale);
      const a = (d * Math.PI) / 180;
      return [frame.cx + r * Math.sin(a), frame.cy - r * Math.cos(a)];
    };
  }

  // A curve broken where an element has no value; a full polar round closes.
  function curve(element, plot, at, colour, closed) {
    const g = el("g", { class: "curve" });
    let path = "";
    let open = false;
    const n = plot.directions.length;
    for (let j = 0; j <= (closed ? n : n - 1); ++j) {
      const cp = element.cp[j % n];
      if (!isValue(cp)) {
        open = false;
        continue;
      }
      const [x, y] = at(j === n ? plot.directions[0] + 360 : plot.directions[j], cp);
      path += `${open ? "L" : "M"}${x.toFixed(1)} ${y.toFixed(1)}`;
      open = true;
    }
    g.append(el("path", { d: path, fill: "none", stroke: colour, "stroke-width": 2 }));
    element.cp.forEach((cp, j) => {
      if (!element.implausible[j] || !isValue(cp)) return;
      const [x, y] = at(plot.directions[j], cp);
      g.append(el("polygon", { points: `${x},${y - 6} ${x + 6},${y} ${x},${y + 6} ${x - 6},${y}`,
                               fill: "none", stroke: IMPLAUSIBLE, "stroke-width": 2 }));
    });
    return g;
  }

  function polarFrame(svg, scale, frame, engine) {
    const radiusOf = (cp) => frame.hole + (frame.radius - frame.hole) * fraction(cp, scale);
    const inner = radiusOf(Math.max(-1, scale.lower));
    const outer = radiusOf(Math.min(1, scale.upper));
    svg.append(el("path", { d: `M${frame.cx} ${frame.cy - outer}a${outer} ${outer} 0 1 0 0.01 0Z` +
                               `M${frame.cx} ${frame.cy - inner}a${inner} ${inner} 0 1 1 -0.01 0Z`,
                            fill: BAND, "fill-rule": "evenodd" }));
    for (const t of ticks(scale)) {
      const r = radiusOf(t);
      svg.append(el("circle", { cx: frame.cx, cy: frame.cy, r, fill: "none", stroke: GRID }));
      svg.append(el("text", { x: frame.cx + 3, y: frame.cy - r - 2, fill: INK,
                              "font-size": 0.8 * FONT }, engine.cpText(t)));
    }
    for (let d = 0; d < 360; d += 30) {
      const a = (d * Math.PI) / 180;
      const [sx, sy] = [Math.sin(a), -Math.cos(a)];
      svg.append(el("line", { x1: frame.cx + frame.hole * sx, y1: frame.cy + frame.hole * sy,
                              x2: frame.cx + frame.radius * sx, y2: frame.cy + frame.radius * sy,
                              stroke: GRID }));
      const label = { 0: "N", 90: "E", 180: "S", 270: "W" }[d] || String(d);
      svg.append(el("text", { x: frame.cx + (frame.radius + FONT) * sx,
                              y: frame.cy + (frame.radius + FONT) * sy + 0.35 * FONT,
                              "text-anchor": "middle", fill: INK }, label));
    }
  }

  function lineFrame(svg, scale, frame, engine) {
    const y = (cp) => frame.top + frame.height * (1 - fraction(cp, scale));
    const top = y(Math.min(1, scale.upper));
    svg.append(el("rect", { x: frame.left, y: top, width: frame.width,
                            height: y(Math.max(-1, scale.lower)) - top, fill: BAND }));
    for (const t of ticks(scale)) {
      svg.append(el("line", { x1: frame.left, y1: y(t), x2: frame.left + frame.width, y2: y(t),
                              stroke: GRID }));
      svg.append(el("text", { x: frame.left - 6, y: y(t) + 0.35 * FONT, "text-anchor": "end",
                              fill: INK }, engine.cpText(t)));
    }
    for (let d = 0; d <= 360; d += 30) {
      const x = frame.left + (frame.width * d) / 360;
      svg.append(el("line", { x1: x, y1: frame.top, x2: x, y2: frame.top + frame.height,
                              stroke: GRID }));
      svg.append(el("text", { x, y: frame.top + frame.height + 1.3 * FONT, "text-anchor": "middle",
                              fill: INK }, String(d)));
    }
    svg.append(el("text", { x: frame.left + frame.width / 2, y: frame.top + frame.height + 2.7 * FONT,
                            "text-anchor": "middle", fill: INK },
                  "wind direction, degrees from north"));
    svg.append(el("rect", { x: frame.left, y: frame.top, width: frame.width, height: frame.height,
                            fill: "none", stroke: INK }));
  }

  // A mark across the plot at bearing `d`: a wall's normal or the wind.
  function bearingMark(svg, kind, frame, d, colour, label, dashed) {
    const style = { stroke: colour, "stroke-width": 1.6, ...(dashed ? { "stroke-dasharray": "5 4" } : {}) };
    let end;
    if (kind === "line") {
      const x = frame.left + (frame.width * d) / 360;
      svg.append(el("line", { x1: x, y1: frame.top, x2: x, y2: frame.top + frame.height, ...style }));
      end = [x + 3, frame.top + FONT];
    } else {
      const a = (d * Math.PI) / 180;
      const [sx, sy] = [Math.sin(a), -Math.cos(a)];
      svg.append(el("line", { x1: frame.cx, y1: frame.cy, x2: frame.cx + frame.radius * sx,
                              y2: frame.cy + frame.radius * sy, ...style }));
      end = [frame.cx + frame.radius * 0.55 * sx + 4, frame.cy + frame.radius * 0.55 * sy];
    }
    svg.append(el("text", { x: end[0], y: end[1], fill: colour, "font-size": 0.85 * FONT }, label));
  }

  function legendRows(svg, plot, chosen, left, top, engine) {
    chosen.slice(0, MOST_CURVES).forEach((i, n) => {
      const y = top + n * 1.4 * FONT;
      svg.append(el("line", { x1: left, y1: y - 0.35 * FONT, x2: left + 1.6 * FONT,
                              y2: y - 0.35 * FONT, stroke: engine.chosenColour(n),
                              "stroke-width": 3 }));
      svg.append(el("text", { x: left + 2.1 * FONT, y, fill: INK }, plot.elements[i].place));
    });
    const y = top + Math.min(chosen.length, MOST_CURVES) * 1.4 * FONT + 0.6 * FONT;
    svg.append(el("text", { x: left, y, fill: WIND, "font-size": 0.85 * FONT },
                  "red: the job's wind direction; dashed: the walls' normals"));
    svg.append(el("text", { x: left, y: y + 1.3 * FONT, fill: INK, "font-size": 0.85 * FONT },
                  "green band: -1 to 1, beyond it the exports warn"));
  }

  function draw(holder, plot, chosen, kind, fixed, engine) {
    const scale = scaleOf(plot, chosen, fixed, engine);
    const [width, height] = [1000, 560];
    const legendLeft = 640;
    const svg = el("svg", { id: "direction-drawing", viewBox: `0 0 ${width} ${height}`,
                            "font-size": FONT, "font-family": "system-ui, sans-serif",
                            role: "img", "aria-label": `Cp against wind direction, ${kind}` });
    svg.append(el("rect", { width, height, fill: "#fff" }));
    svg.append(el("text", { x: FONT, y: 1.6 * FONT, fill: INK, "font-weight": 700,
                            "font-size": 1.3 * FONT }, `Cp against wind direction \u2013 ${plot.title}`));
    svg.append(el("text", { x: FONT, y: 3 * FONT, fill: INK },
                  `The wind from each direction, degrees from north. The job's wind direction ` +
                  `${engine.angleText(plot.AnWind)}, building azimuth ${engine.angleText(plot.AzB)}.`));
    const frame = kind === "line"
      ? { left: 4.5 * FONT, top: 5 * FONT, width: legendLeft - 6.5 * FONT, height: height - 9 * FONT }
      : { cx: legendLeft / 2, cy: (height + 4 * FONT) / 2, radius: (height - 8 * FONT) / 2 };
    frame.hole = (frame.radius || 0) * 0.08;
    (kind === "line" ? lineFrame : polarFrame)(svg, scale, frame, engine);
    const walls = new Set(chosen.map((i) => plot.elements[i].iface).filter((f) => f <= 4));
    for (const wall of walls) bearingMark(svg, kind, frame, plot.normals[wall - 1], INK, String(wall), true);
    bearingMark(svg, kind, frame, plot.AnWind, WIND, "wind", false);
    const at = placer(kind, scale, frame);
    chosen.slice(0, MOST_CURVES).forEach((i, n) =>
      svg.append(curve(plot.elements[i], plot, at, engine.chosenColour(n), kind === "polar" &&
                       plot.directions.length > 1)));
    legendRows(svg, plot, chosen, legendLeft + 2 * FONT, 5 * FONT, engine);
    holder.replaceChildren(svg);
  }

  // Rows the directions, columns the chosen elements in their colours.
  function table(tableElement, plot, chosen, engine) {
    const head = document.createElement("tr");
    head.append(Object.assign(document.createElement("th"), { scope: "col", textContent: "Wind" }));
    chosen.forEach((i, n) => {
      const e = plot.elements[i];
      const th = Object.assign(document.createElement("th"),
                               { scope: "col", textContent: `no. ${e.k}`, title: e.place });
      th.style.color = engine.chosenColour(n);
      head.append(th);
    });
    const rows = [...plot.directions].map((d, j) => {
      const row = document.createElement("tr");
      row.append(Object.assign(document.createElement("th"),
                               { scope: "row", textContent: engine.angleText(d) }));
      for (const i of chosen) {
        const cp = plot.elements[i].cp[j];
        const cell = document.createElement("td");
        cell.textContent = Number.isNaN(cp) ? "\u2013" : isValue(cp) ? engine.cpText(cp) : "outside";
        if (plot.elements[i].implausible[j]) {
          cell.classList.add("implausible");
          cell.title = "Implausible: beyond the possible Cp";
        }
        row.append(cell);
      }
      return row;
    });
    const thead = document.createElement("thead");
    thead.append(head);
    const tbody = document.createElement("tbody");
    tbody.append(...rows);
    tableElement.replaceChildren(thead, tbody);
  }

  return { draw, table };
})();
