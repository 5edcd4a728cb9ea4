// The user guide inside the page (Ventora.guide, made from docs/guide when
// the page is built): its pages listed, links followed between them, Back,
// and a search that shows the next place of a word on each Enter, on this
// page first, then on the following pages, as the desktop's help window.
"use strict";
window.Ventora = window.Ventora || {};
Ventora.help = (() => {
  const $ = (id) => document.getElementById(id);
  const history = [];
  let current = 0;
  let found = { query: "", page: -1, place: -1 };

  function pageIndex(name) {
    return Ventora.guide.findIndex((p) => p.page === name);
  }

  // Shows page `index` scrolled to `anchor`, or to the top.
  function show(index, anchor, remember = true) {
    if (remember && index !== current) history.push(current);
    current = index;
    const article = $("help-page");
    article.innerHTML = Ventora.guide[index].html;
    for (const link of $("help-pages").children)
      link.setAttribute("aria-current", String(Number(link.dataset.index) === index));
    const target = anchor ? article.querySelector(`[id="${CSS.escape(anchor)}"]`) : null;
    if (target) target.scrollIntoView({ block: "start" });
    else article.scrollTop = 0;
  }

  // A link to another page of the guide, or to a place on this one, stays
  // in the help; others open beside the page.
  function follow(e) {
    const link = e.target.closest("a[href]");
    if (!link) return;
    const href = link.getAttribute("href");
    const [file, anchor] = href.split("#");
    if (/^[a-z]+:/i.test(href)) {
      link.target = "_blank";
      link.rel = "noopener";
      return;
    }
    e.preventDefault();
    const index = file === "" ? current : pageIndex(file);
    if (index >= 0) show(index, anchor);
  }

  // The n-th place of `query` on the page shown, marked; false when it has
  // fewer.
  function mark(query, n) {
    const walker = document.createTreeWalker($("help-page"), NodeFilter.SHOW_TEXT);
    const lower = query.toLowerCase();
    let seen = 0;
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      const text = node.data.toLowerCase();
      for (let at = text.indexOf(lower); at >= 0; at = text.indexOf(lower, at + lower.length)) {
        if (seen++ < n) continue;
        const range = document.createRange();
        range.setStart(node, at);
        range.setEnd(node, at + query.length);
        const highlight = document.createElement("mark");
        range.surroundContents(highlight);
        highlight.scrollIntoView({ block: "center" });
        return true;
      }
    }
    return false;
  }

  function holds(index, query) {
    const probe = document.createElement("div");
    probe.innerHTML = Ventora.guide[index].html;
    return probe.textContent.toLowerCase().includes(query.toLowerCase());
  }

  function search(query) {
    if (query === "") return;
    const again = query === found.query && found.page === current;
    let place = again ? found.place + 1 : 0;
    show(current, undefined, false);
    if (mark(query, place)) {
      found = { query, page: current, place };
      $("help-search").setCustomValidity("");
      return;
    }
    const count = Ventora.guide.length;
    for (let step = 1; step <= count; ++step) {
      const index = (current + step) % count;
      if (!holds(index, query)) continue;
      show(index);
      place = 0;
      mark(query, place);
      found = { query, page: index, place };
      return;
    }
    found = { query: "", page: -1, place: -1 };
    Ventora.messages.note(`Help: "${query}" not found.`);
    $("help-search").setCustomValidity("Not found");
    $("help-search").reportValidity();
  }

  function open(pageName = "index.md") {
    const index = Math.max(0, pageIndex(pageName));
    if (!$("help").open) $("help").showModal();
    show(index, undefined, false);
    $("help-search").focus();
  }

  function init() {
    $("help-pages").replaceChildren(...Ventora.guide.map((p, i) => {
      const link = document.createElement("a");
      link.href = p.page;
      link.textContent = p.title;
      link.dataset.index = String(i);
      return link;
    }));
    $("help-pages").addEventListener("click", (e) => {
      const link = e.target.closest("a[data-index]");
      if (!link) return;
      e.preventDefault();
      show(Number(link.dataset.index));
    });
    $("help-page").addEventListener("click", follow);
    $("help-search").addEventListener("input", () => $("help-search").setCustomValidity(""));
    $("help-search").addEventListener("keydown", (e) => {
      if (e.key !== "Enter") return;
      e.preventDefault();
      search($("help-search").value.trim());
    });
    $("help-back").addEventListener("click", () => {
      if (history.length > 0) show(history.pop(), undefined, false);
    });
    $("help-open").addEventListener("click", () => open());
    document.addEventListener("keydown", (e) => {
      if (e.key === "F1") {
        e.preventDefault();
        open("browser.md");
      }
    });
  }

  return { init, open };
})();
