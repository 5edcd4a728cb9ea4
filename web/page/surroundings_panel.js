// Surroundings from a map: a GeoJSON or CityJSON file of building
// footprints and the site give PAD and SbH all round and per sector, and OK
// puts the all-round values into the job as ventora-run puts them. The
// geometry comes in a module of its own (surroundings.js and .wasm beside
// the page, or inside ventora.html), started when the user first opens this
// panel (Ventora.openSurroundings, given the page's job and panel).
"use strict";
window.Ventora = window.Ventora || {};
(() => {
  const $ = (id) => document.getElementById(id);
  const FIELDS = [
    ["site", "Site X,Y", "X,Y: lon,lat for GeoJSON", ""],
    ["crs", "Reference system", "the file's own, e.g. EPSG:28992", ""],
    ["radius", "Radius (m)", "5 x max(Bdz, SbH), at least 50", "decimal"],
    ["storey-height", "Storey height (m)", "", "decimal"],
    ["default-height", "Default height (m)", "none: PAD only", "decimal"],
  ];
  const COLUMNS = ["sector from (deg)", "sector to (deg)", "PAD (%)", "SbH (m)",
    "buildings counted", "without a height"];

  let starting = null;  // the module's promise, from the first opening on
  let module = null;
  let file = null;      // {name, bytes} as chosen or dropped
  let read = null;      // {key, footprints}: the file read with the reference system and storey height
  let shown = null;     // {inputs, result} of the last Compute
  let page = null;      // what the page gives: job(), takeJob(job), panel()

  function panelMarkup() {
    const fields = FIELDS.map(([id, label, hint, mode]) =>
      `<label for="surroundings-${id}">${label}</label>` +
      `<input id="surroundings-${id}" placeholder="${hint}"${mode ? ` inputmode="${mode}"` : ""}>`)
      .join("");
    return `<form class="fields surroundings" novalidate>
      <h2 id="surroundings-title">Surroundings from a map</h2>
      <p id="surroundings-status" class="hint span" role="status"></p>
      <label for="surroundings-file">Footprints: GeoJSON or CityJSON</label>
      <span class="drop-target"><input type="file" id="surroundings-file"
        accept=".geojson,.json"><span id="surroundings-file-name" class="hint">or drop it on this panel</span></span>
      ${fields}
      <label for="surroundings-sectors">Sectors</label>
      <input id="surroundings-sectors" inputmode="numeric" value="8">
      <menu><button type="button" id="surroundings-compute">Compute</button></menu>
      <menu><button type="button" id="surroundings-ok">OK</button>
        <button type="button" id="surroundings-close">Close</button></menu>
      <div class="surroundings-results">
        <p id="surroundings-radius-used"></p>
        <div class="grid-frame"><table id="surroundings-table">
          <thead><tr>${COLUMNS.map((c) => `<th scope="col">${c}</th>`).join("")}</tr></thead>
          <tbody></tbody></table></div>
        <p id="surroundings-notes" class="message-text"></p>
      </div>
    </form>`;
  }

  // The module, started once: from the page's own copy inside ventora.html,
  // else from surroundings.js beside the page.
  function start() {
    if (starting) return starting;
    performance.mark("ventora-surroundings-asked");
    const inside = $("surroundings-module");
    starting = new Promise((resolve, reject) => {
      const script = document.createElement("script");
      if (inside) {
        script.textContent = inside.textContent;
        document.head.append(script);
        const wasm = Uint8Array.from(atob($("surroundings-wasm").textContent.trim()),
          (c) => c.charCodeAt(0));
        VentoraSurroundings({ wasmBinary: wasm }).then(resolve, reject);
      } else {
        script.src = "surroundings.js";
        script.onload = () => VentoraSurroundings().then(resolve, reject);
        script.onerror = () => reject(new Error("surroundings.js did not load"));
        document.head.append(script);
      }
    }).then((m) => {
      module = m;
      performance.mark("ventora-surroundings-ready");
      return m;
    });
    return starting;
  }

  function value(id) {
    return $(`surroundings-${id}`).value;
  }

  // What the values shown were computed from; OK computes again when it changed.
  function inputs() {
    return [file && file.name, ...FIELDS.map(([id]) => value(id)), value("sectors"),
      page.job().Bdz].join("\n");
  }

  function clear() {
    shown = null;
    $("surroundings-table").tBodies[0].replaceChildren();
    $("surroundings-radius-used").textContent = "";
    $("surroundings-notes").textContent = "";
  }

  async function refuse(text, field) {
    clear();
    await Ventora.messages.tell("Surroundings", text, field);
  }

  function showRows(rows) {
    const fixed = (v, d) => v.toFixed(d);
    const body = $("surroundings-table").tBodies[0];
    body.replaceChildren(...rows.map((r, i) => {
      const tr = document.createElement("tr");
      // The values themselves, for automation; the cells show them rounded.
      Object.assign(tr.dataset, { from: r.from, to: r.to, pad: r.pad,
        sbh: r.sbh === null ? "" : r.sbh, buildings: r.buildings, withoutHeight: r.withoutHeight });
      const cells = [i === 0 ? "all round" : fixed(r.from, 1), i === 0 ? "" : fixed(r.to, 1),
        fixed(r.pad, 2), r.sbh === null ? "-" : fixed(r.sbh, 2), r.buildings, r.withoutHeight];
      tr.replaceChildren(...cells.map((c) => {
        const td = document.createElement("td");
        td.textContent = c;
        return td;
      }));
      return tr;
    }));
  }

  // The file read (again when the reference system or storey height
  // changed) and the site's values; false after saying what is wrong.
  async function compute() {
    if (!file) {
      await refuse("Choose a file of building footprints: GeoJSON or CityJSON.", $("surroundings-file"));
      return false;
    }
    const key = [file.name, value("crs"), value("storey-height")].join("\n");
    if (!read || read.key !== key) {
      if (read) read.footprints.delete();
      read = null;
      const got = module.readFootprints(file.bytes, file.name, value("crs"), value("storey-height"));
      if (got.error !== undefined) {
        await refuse(got.error, $("surroundings-file"));
        return false;
      }
      read = { key, footprints: got.footprints };
    }
    const result = read.footprints.surroundings({
      site: value("site"), radius: value("radius"), defaultHeight: value("default-height"),
      sectors: Number(value("sectors")),
    }, page.job());
    if (result.error !== undefined) {
      await refuse(result.error, $("surroundings-site"));
      return false;
    }
    showRows(result.rows);
    $("surroundings-radius-used").textContent =
      `Within ${result.radius.toFixed(1)} m of the site; OK takes the all-round PAD and SbH.`;
    $("surroundings-notes").textContent = result.lines.join("\n");
    shown = { inputs: inputs(), result };
    return true;
  }

  async function take() {
    if ((!shown || shown.inputs !== inputs()) && !(await compute())) return;
    const { result } = shown;
    const job = page.job();
    job.PAD = result.PAD;
    job.SbH = result.SbH;
    page.takeJob(job);
    Ventora.sweep.takeSurroundings(result.sweep, page.job());
    for (const line of result.lines) Ventora.messages.note(line);
    close();
  }

  function close() {
    page.panel().hidden = true;
    $("surroundings-open").focus();
  }

  async function choose(chosen) {
    file = { name: chosen.name, bytes: new Uint8Array(await chosen.arrayBuffer()) };
    const name = $("surroundings-file-name");
    name.textContent = `${Math.ceil(file.bytes.length / 1024)} kB read`;
    name.dataset.name = chosen.name;
    if (read) read.footprints.delete();
    read = null;
    clear();
  }

  function wire(panel) {
    $("surroundings-file").addEventListener("change", (e) => {
      if (e.target.files.length > 0) choose(e.target.files[0]);
    });
    // A file dropped on the panel is the footprints, not a job.
    panel.addEventListener("dragover", (e) => {
      e.preventDefault();
      e.stopPropagation();
    });
    panel.addEventListener("drop", (e) => {
      e.preventDefault();
      e.stopPropagation();
      if (e.dataTransfer.files.length === 0) return;
      $("surroundings-file").files = e.dataTransfer.files;  // the picker names it too
      choose(e.dataTransfer.files[0]);
    });
    $("surroundings-compute").addEventListener("click", compute);
    $("surroundings-ok").addEventListener("click", take);
    $("surroundings-close").addEventListener("click", close);
  }

  async function open(given) {
    page = given;
    const panel = page.panel();
    if (!$("surroundings-compute")) {
      panel.innerHTML = panelMarkup();
      $("surroundings-storey-height").value = "3";
      wire(panel);
    }
    panel.hidden = false;
    panel.scrollIntoView({ block: "nearest" });
    $("surroundings-file").focus();
    if (module) return;
    const busy = [$("surroundings-compute"), $("surroundings-ok")];
    for (const b of busy) b.disabled = true;
    $("surroundings-status").textContent = "Loading the surroundings' geometry…";
    try {
      await start();
      $("surroundings-status").textContent = "";
      for (const b of busy) b.disabled = false;
    } catch (e) {
      starting = null;  // the next opening tries again
      $("surroundings-status").textContent = `The surroundings' geometry did not start: ${e.message}`;
    }
  }

  Ventora.openSurroundings = open;
})();
