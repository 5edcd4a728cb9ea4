// The page: a job opened from a file (picker or drop), made new or saved as
// a download, its header values and roof type edited with the desktop's
// checks, its facades' elements in the grid, and the picture of it; Run and
// Sweep (results.js, sweep.js) and the help (help.js) are given the job.
"use strict";
window.Ventora = window.Ventora || {};
(() => {
  // Labels as the desktop's environment dialog gives them.
  const HEADER = [
    ["AzB", "Azimuth angle of the building", "deg."],
    ["AnWind", "Wind direction", "deg."],
    ["PAD", "Plan area density", "%"],
    ["SbH", "Surrounding buildings' height", "m"],
    ["Bdz", "Height of the building", "m"],
    ["BdX", "Length of the building", "m"],
    ["BdY", "Width of the building", "m"],
    ["VeEXP", "Wind velocity profile exponent", ""],
    ["Phi", "Roof tilt angle", "deg."],
  ];

  const state = { engine: null, job: null, name: "", facade: 1, grid: null, meshes: null };
  const $ = (id) => document.getElementById(id);

  function extents() {
    return state.engine.facadeExtent(state.job, state.facade);
  }

  function showFacadeSize() {
    const { L, H } = extents();
    const t = (v) => state.engine.valueText(v);
    const wall = state.facade <= 4;
    const second = wall ? "Z" : "Y";
    $("facade-size").textContent =
      (wall ? `Facade ${state.facade}: length L ${t(L)} m, height H ${t(H)} m.`
            : `Roof: length BdX ${t(L)} m, width BdY ${t(H)} m.`) +
      ` On it: 0 \u2264 X \u2264 ${t(L)}, 0 \u2264 ${second} \u2264 ${t(H)} (m). Red: outside.`;
    $("second-column").textContent = `${second} [m]`;
    state.meshes.enable(L, H);
  }

  function showFacade(facade) {
    if (state.grid.changed) state.grid.take(state.job);
    state.facade = facade;
    for (const b of document.querySelectorAll("[data-facade]"))
      b.setAttribute("aria-pressed", String(Number(b.dataset.facade) === facade));
    state.grid.load(state.job, facade, extents());
    showFacadeSize();
    Ventora.picture.draw(state.job, facade);
  }

  // A job opened or made new: the results shown were another job's.
  function startJob(job, name) {
    showJob(job, name);
    Ventora.results.forget();
    Ventora.sweep.forget(name);
  }

  function showJob(job, name) {
    state.job = job;
    state.name = name;
    $("job-name").textContent = `${name}.in`;
    $("save-job").disabled = false;
    for (const [symbol] of HEADER) {
      const input = $(`field-${symbol}`);
      input.value = state.engine.valueText(job[symbol]);
      input.removeAttribute("aria-invalid");
    }
    for (const radio of document.querySelectorAll('input[name="Islope"]'))
      radio.checked = Number(radio.value) === job.Islope;
    $("roof-note").textContent = state.engine.roofText(job.Islope);
    state.grid.changed = false;
    showFacade(state.facade);
  }

  // A value the field refuses changes nothing; the user goes back to it.
  function headerChanged(input, symbol) {
    const read = state.engine.checkHeaderValue(symbol, input.value);
    if (!Ventora.messages.accepted(input, read, "Ventora")) return;
    state.job[symbol] = read.value;
    showFacadeSize();
    state.grid.extents = extents();
    state.grid.markAll();
    Ventora.picture.draw(state.job, state.facade);
  }

  function roofChanged(islope) {
    state.job.Islope = islope;
    let note = state.engine.roofText(islope);
    if (islope === 0) {
      if (state.job.Phi !== 0) note += " The roof tilt Phi was set to 0.";
      state.job.Phi = 0;
      $("field-Phi").value = "0";
    }
    $("roof-note").textContent = note;
  }

  function buildFields() {
    const form = $("environment");
    for (const [symbol, label, unit] of HEADER) {
      const name = document.createElement("label");
      name.htmlFor = `field-${symbol}`;
      name.textContent = `${label} ${symbol}${unit ? ` [${unit}]` : ""}`;
      const input = document.createElement("input");
      input.id = `field-${symbol}`;
      input.inputMode = "decimal";
      input.addEventListener("change", () => headerChanged(input, symbol));
      input.addEventListener("keydown", (e) => {
        if (e.key === "Enter") {
          e.preventDefault();
          headerChanged(input, symbol);
        }
      });
      form.append(name, input);
    }
    for (const radio of document.querySelectorAll('input[name="Islope"]'))
      radio.addEventListener("change", () => roofChanged(Number(radio.value)));
  }

  async function openFile(file) {
    const text = await file.text();
    const name = file.name.replace(/\.[^./\\]*$/, "");
    const read = state.engine.readJob(text, file.name);
    if (read.error !== undefined) {
      await Ventora.messages.tell("Error", read.error, $("job-file"));
      return;
    }
    startJob(read.job, name);
    Ventora.messages.note(`Opened ${file.name}.`);
    if (read.warning !== undefined) await Ventora.messages.tell("Damaged job file", read.warning);
  }

  // The job file's bytes, as the desktop program writes them.
  function takeGrid() {
    if (state.grid.changed) state.grid.take(state.job);
  }

  function save() {
    takeGrid();
    Ventora.download(`${state.name}.in`, state.engine.jobText(state.job));
    Ventora.messages.note(`Saved ${state.name}.in.`);
  }

  function theme(dark) {
    document.documentElement.dataset.theme = dark ? "dark" : "light";
    $("theme").setAttribute("aria-pressed", String(dark));
  }

  function wire() {
    $("new-job").addEventListener("click", () => {
      startJob(state.engine.newJob(), "new-job");
      Ventora.messages.note("New job.");
    });
    $("job-file").addEventListener("change", (e) => {
      if (e.target.files.length > 0) openFile(e.target.files[0]);
      e.target.value = "";
    });
    $("save-job").addEventListener("click", save);
    // Surroundings from building footprints come as a module of their own,
    // loaded when first asked for, which sets Ventora.openSurroundings.
    $("surroundings-open").addEventListener("click", () => {
      if (Ventora.openSurroundings) {
        Ventora.openSurroundings(surroundingsPage);
      } else {
        Ventora.messages.tell("Ventora", "Surroundings from building footprints are not in this " +
                              "page yet: use ventora-run --surroundings (see the guide's page " +
                              "Surroundings from a map).", $("surroundings-open"));
      }
    });
    $("theme").addEventListener("click", () =>
      theme(document.documentElement.dataset.theme !== "dark"));
    for (const b of document.querySelectorAll("[data-facade]"))
      b.addEventListener("click", () => showFacade(Number(b.dataset.facade)));
    $("clear-grid").addEventListener("click", () => state.grid.clear());
    $("take-grid").addEventListener("click", () => state.grid.take(state.job));
    $("undo-grid").addEventListener("click", () => showFacade(state.facade));
    document.addEventListener("dragover", (e) => {
      e.preventDefault();
      document.body.classList.add("dragging");
    });
    document.addEventListener("dragleave", () => document.body.classList.remove("dragging"));
    document.addEventListener("drop", (e) => {
      e.preventDefault();
      document.body.classList.remove("dragging");
      if (e.dataTransfer.files.length > 0) openFile(e.dataTransfer.files[0]);
    });
  }

  // What Run, Sweep and the surroundings are given: the job with the grid's
  // edits taken, its name, and a way to put a changed job back.
  const jobPage = {
    job: () => {
      takeGrid();
      return state.job;
    },
    name: () => state.name,
    takeGrid,
    takeJob: (job) => showJob(job, state.name),
  };
  const surroundingsPage = { ...jobPage, engine: () => state.engine, panel: () => $("surroundings") };

  // The engine comes with the page: its WebAssembly is beside it, or inside
  // it in the single-file edition (window.VentoraWasm).
  VentoraEngine(window.VentoraWasm ? { wasmBinary: window.VentoraWasm } : {}).then((engine) => {
    state.engine = engine;
    buildFields();
    state.grid = new Ventora.FacadeGrid(engine, $("facade-grid"), () => Ventora.picture.draw(state.job, state.facade));
    state.meshes = new Ventora.Meshes(engine, state.grid, () => ({ facade: state.facade, ...extents() }));
    wire();
    Ventora.results.init(engine, jobPage);
    Ventora.sweep.init(engine, jobPage);
    Ventora.help.init();
    theme(window.matchMedia("(prefers-color-scheme: dark)").matches);
    startJob(engine.newJob(), "new-job");
    $("run").disabled = false;
    $("sweep").disabled = false;
    $("loading").hidden = true;
    $("workspace").hidden = false;
    document.body.dataset.ready = "true";
    performance.mark("ventora-ready");  // time to interactive, for bench/web_start_bench.py
  });
})();
