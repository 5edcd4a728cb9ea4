// Run and its results, in tabs: the text report as ventora-run writes it
// (shown, and downloaded on demand), the run's boxes in the desktop's words,
// and the Cp map of what the run computed, with its spread layer.
"use strict";
window.Ventora = window.Ventora || {};
Ventora.results = (() => {
  const $ = (id) => document.getElementById(id);
  let engine = null;
  let page = null;  // {job(), name(), takeJob(job)}
  let report = { name: "", text: "" };
  let map = null;
  let ranJob = null;  // the job as the map's run took it, the checks' changes in it
  let spread = null;  // the spread layer's rings, computed when it is on

  // The spread runs the job at eleven directions: only while the layer is
  // on, and once a map, as the desktop's layer.
  async function spreadOfMap() {
    if (!$("map-spread").checked || map === null || spread !== null) return;
    spread = engine.cpSpread(ranJob);
    for (const note of spread.notes) Ventora.messages.note(note);
    if (spread.error !== "") {
      const error = spread.error;
      spread = null;
      await Ventora.messages.tell("Spread", error, $("map-spread"));
    }
  }

  // Tabs as the keyboard expects them: arrows move between them.
  function wireTabs() {
    const tabs = [...document.querySelectorAll('[role="tab"]')];
    const choose = (tab) => {
      for (const t of tabs) {
        const chosen = t === tab;
        t.setAttribute("aria-selected", String(chosen));
        t.tabIndex = chosen ? 0 : -1;
        $(t.getAttribute("aria-controls")).hidden = !chosen;
      }
    };
    tabs.forEach((tab, i) => {
      tab.addEventListener("click", () => choose(tab));
      tab.addEventListener("keydown", (e) => {
        const step = { ArrowRight: 1, ArrowLeft: -1 }[e.key];
        if (!step) return;
        const next = tabs[(i + step + tabs.length) % tabs.length];
        choose(next);
        next.focus();
      });
    });
  }

  function drawMap() {
    if (map === null) {
      $("cp-map").replaceChildren();
      return;
    }
    Ventora.cpMap.draw($("cp-map"), map, $("map-fixed").checked, engine,
                       $("map-spread").checked ? spread : null);
  }

  async function showSpread() {
    await spreadOfMap();
    drawMap();
  }

  async function run() {
    const name = page.name();
    const result = engine.runJob(page.job(), name);
    page.takeJob(result.job);  // with the checks' changes, as the desktop's document
    if (result.report !== "") {
      report = { name: `${name}.out.txt`, text: result.report };
      $("report").textContent = result.report;
      $("report-state").textContent = `${report.name}, as ventora-run writes it.`;
      $("download-report").disabled = false;
    } else if (report.text !== "") {
      $("report-state").textContent = "Not run: the report below is the last run's.";
    }
    if (result.map !== null) {
      map = result.map;
      ranJob = result.job;
      spread = null;
      $("map-state").textContent = "";
      drawMap();
    }
    await Ventora.messages.tellAll(result.messages);
    Ventora.messages.note(`Run of ${name}.in: ${result.outcome}.`);
    if (result.map !== null) await showSpread();  // after the run's words, as ventora-run
  }

  function init(theEngine, thePage) {
    engine = theEngine;
    page = thePage;
    wireTabs();
    $("run").addEventListener("click", run);
    $("download-report").addEventListener("click", () => Ventora.download(report.name, report.text));
    $("map-fixed").addEventListener("change", drawMap);
    $("map-spread").addEventListener("change", showSpread);
  }

  // A new job: the results shown are another job's.
  function forget() {
    report = { name: "", text: "" };
    map = null;
    ranJob = null;
    spread = null;
    $("report").textContent = "";
    $("report-state").textContent = "Run the job to see its report.";
    $("download-report").disabled = true;
    $("map-state").textContent = "Run the job to see its Cp map.";
    drawMap();
  }

  return { init, forget };
})();
