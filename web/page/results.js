// Run and its results, in tabs: the text report as ventora-run writes it
// (shown, and downloaded on demand), the run's boxes in the desktop's words,
// and the Cp map of what the run computed.
"use strict";
window.Ventora = window.Ventora || {};
Ventora.results = (() => {
  const $ = (id) => document.getElementById(id);
  let engine = null;
  let page = null;  // {job(), name(), takeJob(job)}
  let report = { name: "", text: "" };
  let map = null;

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
    Ventora.cpMap.draw($("cp-map"), map, $("map-fixed").checked, engine);
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
      $("map-state").textContent = "";
      drawMap();
    }
    await Ventora.messages.tellAll(result.messages);
    Ventora.messages.note(`Run of ${name}.in: ${result.outcome}.`);
  }

  function init(theEngine, thePage) {
    engine = theEngine;
    page = thePage;
    wireTabs();
    $("run").addEventListener("click", run);
    $("download-report").addEventListener("click", () => Ventora.download(report.name, report.text));
    $("map-fixed").addEventListener("change", drawMap);
  }

  // A new job: the results shown are another job's.
  function forget() {
    report = { name: "", text: "" };
    map = null;
    $("report").textContent = "";
    $("report-state").textContent = "Run the job to see its report.";
    $("download-report").disabled = true;
    $("map-state").textContent = "Run the job to see its Cp map.";
    drawMap();
  }

  return { init, forget };
})();
