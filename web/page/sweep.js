// Sweep and export: the job swept round the wind for an export format with
// the desktop's Sweep… options, the file downloaded as ventora-run writes it
// (and its text kept in the page), and the Cp against the wind direction
// plotted and tabulated for the elements chosen.
"use strict";
window.Ventora = window.Ventora || {};
Ventora.sweep = (() => {
  const $ = (id) => document.getElementById(id);
  let engine = null;
  let page = null;  // {job(), name()}
  let last = null;  // {file, text, plot}
  // The surroundings taken into the job ({sweep, PAD, SbH}): a sweep gives
  // each direction its sector's values, as ventora-run --surroundings
  // --sectors N --sweep does, while the job keeps the PAD and SbH they gave.
  let surroundings = null;

  function takeSurroundings(sweep, job) {
    surroundings = { sweep, PAD: job.PAD, SbH: job.SbH };
  }

  function surroundingsOfJob() {
    const job = page.job();
    if (surroundings && (job.PAD !== surroundings.PAD || job.SbH !== surroundings.SbH)) {
      surroundings = null;
      Ventora.messages.note("PAD or SbH changed since the surroundings were taken: the sweep " +
                            "takes the job's values for every direction.");
    }
    return surroundings && surroundings.sweep;
  }

  function showFormatOptions() {
    const format = $("export-format").value;
    for (const name of ["energyplus", "contam", "modelica"]) {
      for (const e of document.querySelectorAll(`.for-${name}`)) e.hidden = format !== name;
    }
    $("sweep-step").value = String(engine.defaultStep(format));
  }

  function options() {
    return {
      format: $("export-format").value,
      step: Number($("sweep-step").value.trim() === "" ? NaN : $("sweep-step").value),
      contamFirst: Number($("contam-first").value.trim() === "" ? NaN : $("contam-first").value),
      modelicaPackage: $("modelica-package").value.trim(),
      allTables: $("export-tables").checked,
      strict: $("export-strict").checked,
      surroundings: surroundingsOfJob(),
    };
  }

  function chosen() {
    return [...$("plot-elements").selectedOptions].map((o) => Number(o.value));
  }

  function drawPlot() {
    if (last === null || last.plot === null) {
      $("direction-plot").replaceChildren();
      $("direction-table").replaceChildren();
      return;
    }
    const kind = document.querySelector('input[name="plot-kind"]:checked').value;
    Ventora.directionPlot.draw($("direction-plot"), last.plot, chosen(), kind,
                               $("plot-fixed").checked, engine);
    Ventora.directionPlot.table($("direction-table"), last.plot, chosen(), engine);
  }

  // The engine's values as one element a row: {k, iface, place, cp,
  // implausible}, views into its arrays.
  function withElements(plot) {
    const n = plot.directions.length;
    const places = plot.places.split("\n");
    plot.elements = [...plot.ks].map((k, i) => ({
      k, iface: plot.ifaces[i], place: places[i], cp: plot.cp.subarray(i * n, (i + 1) * n),
      implausible: plot.implausible.subarray(i * n, (i + 1) * n),
    }));
    return plot;
  }

  // The elements to choose from: those chosen stay when the job's elements
  // are the same; else the first of each facade, as the desktop's window
  // starts.
  function listElements(plot) {
    const list = $("plot-elements");
    if (list.dataset.places === plot.places) return;
    list.dataset.places = plot.places;
    let facade = 0;
    list.replaceChildren(...plot.elements.map((e, i) => {
      const option = new Option(e.place, String(i));
      option.selected = e.iface !== facade;
      facade = e.iface;
      return option;
    }));
  }

  async function sweep() {
    const chosenOptions = options();
    const error = engine.sweepOptionsError(chosenOptions);
    if (error !== "") {
      await Ventora.messages.tell("Sweep", error, $("sweep-step"));
      return;
    }
    page.takeGrid();
    $("sweep").disabled = true;
    $("export-file").textContent = "Sweeping\u2026";
    // Let the page show that before the engine holds it.
    await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
    performance.mark("ventora-sweep-start");  // for bench/web_sweep_bench.py
    const result = engine.sweepJob(page.job(), page.name(), chosenOptions);
    $("sweep").disabled = false;
    if (result.text !== "") {
      last = { file: result.file, text: result.text, plot: withElements(result.plot) };
      $("export-text").textContent = result.text;
      $("export-file").textContent = result.file;
      $("download-export").disabled = false;
      listElements(result.plot);
      drawPlot();
    } else {
      $("export-file").textContent = "Nothing was written.";
    }
    performance.measure("ventora-sweep", "ventora-sweep-start");
    await Ventora.messages.tellAll(result.messages);
    for (const note of result.notes) Ventora.messages.note(note);
    if (result.text === "") {
      if (result.notes.length > 0) await Ventora.messages.tell("Sweep", result.notes.join("\n"));
      return;
    }
    Ventora.download(result.file, result.text);
    Ventora.messages.note(`Exported ${result.file} (${result.outcome}).`);
    for (const warning of result.warnings) Ventora.messages.note(`warning: ${warning}`);
  }

  function init(theEngine, thePage) {
    engine = theEngine;
    page = thePage;
    $("export-format").addEventListener("change", showFormatOptions);
    $("sweep").addEventListener("click", sweep);
    $("sweep-form").addEventListener("submit", (e) => {
      e.preventDefault();
      sweep();
    });
    $("download-export").addEventListener("click", () => Ventora.download(last.file, last.text));
    for (const input of document.querySelectorAll('input[name="plot-kind"]'))
      input.addEventListener("change", drawPlot);
    $("plot-fixed").addEventListener("change", drawPlot);
    $("plot-elements").addEventListener("change", drawPlot);
    showFormatOptions();
  }

  // A job opened or made new: the package's name follows it, the last
  // sweep is another job's.
  function forget(name) {
    $("modelica-package").placeholder = engine.defaultModelicaPackage(name);
    last = null;
    surroundings = null;
    $("export-text").textContent = "";
    $("export-file").textContent = "";
    $("download-export").disabled = true;
    $("plot-elements").replaceChildren();
    delete $("plot-elements").dataset.places;
    drawPlot();
  }

  return { init, forget, takeSurroundings };
})();
