// The building on plan: its outline turned by the building azimuth, the
// facades numbered outside their walls (facade i faces (4 - i) x 90 degrees
// at azimuth 0, as the run takes it), north up and the wind's direction.
"use strict";
window.Ventora = window.Ventora || {};
Ventora.picture = (() => {
  const SVG = "http://www.w3.org/2000/svg";
  const SIZE = 320;
  const CENTRE = SIZE / 2;

  function element(name, attributes, text) {
    const e = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes)) e.setAttribute(key, value);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  // A unit step towards a bearing (degrees clockwise from north; y down).
  function toward(bearing) {
    const a = (bearing * Math.PI) / 180;
    return [Math.sin(a), -Math.cos(a)];
  }

  function compass(svg) {
    const [x, y] = [SIZE - 30, 40];
    svg.append(element("path", { d: `M${x} ${y - 24} L${x - 6} ${y - 4} L${x + 6} ${y - 4} Z`,
                                 fill: "currentColor" }));
    svg.append(element("line", { x1: x, y1: y - 4, x2: x, y2: y + 14, stroke: "currentColor" }));
    svg.append(element("text", { x, y: y - 28, "text-anchor": "middle", "font-weight": 700 }, "N"));
  }

  // Where the wind comes from: an arrow from outside towards the centre.
  function wind(svg, direction, ids) {
    const [dx, dy] = toward(direction);
    const from = [CENTRE + dx * 158, CENTRE + dy * 158];
    const to = [CENTRE + dx * 140, CENTRE + dy * 140];
    svg.append(element("line", { x1: from[0], y1: from[1], x2: to[0], y2: to[1],
                                 stroke: "var(--accent)", "stroke-width": 3,
                                 "marker-end": `url(#${ids}-arrow)` }));
    svg.append(element("title", {}, `Wind from ${direction} deg.`));
  }

  // The plan as an SVG drawing; `ids` keeps its arrow's id apart from
  // another plan's on the page.
  function plan(job, chosenFacade, ids = "plan") {
    const svg = element("svg", { viewBox: `0 0 ${SIZE} ${SIZE}`, "font-size": 14 });
    const defs = element("defs", {});
    const marker = element("marker", { id: `${ids}-arrow`, markerWidth: 8, markerHeight: 8,
                                       refX: 4, refY: 4, orient: "auto" });
    marker.append(element("path", { d: "M0 0 L8 4 L0 8 Z", fill: "var(--accent)" }));
    defs.append(marker);
    svg.append(defs);
    // Walls 1 and 3 span the length BdX (north-south at azimuth 0), walls 2
    // and 4 the width BdY.
    const length = job.BdX > 0 ? job.BdX : 1;
    const width = job.BdY > 0 ? job.BdY : 1;
    const scale = 170 / Math.max(length, width);
    const [w, h] = [width * scale, length * scale];
    const group = element("g", { transform: `rotate(${job.AzB} ${CENTRE} ${CENTRE})` });
    group.append(element("rect", { x: CENTRE - w / 2, y: CENTRE - h / 2, width: w, height: h,
                                   fill: chosenFacade === 5 ? "var(--accent)" : "var(--building)",
                                   "fill-opacity": chosenFacade === 5 ? 0.35 : 1,
                                   stroke: "currentColor", "stroke-width": 1.5 }));
    for (let facade = 1; facade <= 4; ++facade) {
      const [dx, dy] = toward((4 - facade) * 90);
      const facingEastOrWest = Math.abs(dx) > 0.5;
      const half = facingEastOrWest ? w / 2 : h / 2;
      const at = [CENTRE + dx * (half + 18), CENTRE + dy * (half + 18)];
      if (facade === chosenFacade) {
        const along = facingEastOrWest ? h : w;
        const [ex, ey] = [CENTRE + dx * half, CENTRE + dy * half];
        group.append(element("line", { x1: ex - dy * along / 2, y1: ey + dx * along / 2,
                                       x2: ex + dy * along / 2, y2: ey - dx * along / 2,
                                       stroke: "var(--accent)", "stroke-width": 5 }));
      }
      group.append(element("circle", { cx: at[0], cy: at[1], r: 12, fill: "var(--number)" }));
      group.append(element("text", { x: at[0], y: at[1] + 5, "text-anchor": "middle",
                                     fill: "#fff", "font-weight": 700,
                                     transform: `rotate(${-job.AzB} ${at[0]} ${at[1]})` },
                           String(facade)));
    }
    svg.append(group);
    compass(svg);
    wind(svg, job.AnWind, ids);
    svg.style.color = "var(--ink)";
    svg.setAttribute("fill", "currentColor");
    return svg;
  }

  function draw(job, chosenFacade) {
    document.getElementById("picture").replaceChildren(plan(job, chosenFacade));
  }

  return { draw, plan };
})();
