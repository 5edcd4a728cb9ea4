// Everything the page says: a box the user confirms, as the desktop's
// message boxes, and a line in the messages log that keeps every message.
"use strict";
window.Ventora = window.Ventora || {};
Ventora.messages = (() => {
  const log = () => document.getElementById("messages");

  function note(text) {
    const line = document.createElement("p");
    line.textContent = text;
    log().append(line);
    line.scrollIntoView({ block: "nearest" });
  }

  // Shows `text` under `title` and resolves when the user closes the box;
  // the focus then goes back to `returnTo`.
  function tell(title, text, returnTo) {
    note(`${title}: ${text}`);
    const box = document.getElementById("message-box");
    document.getElementById("message-title").textContent = title;
    document.getElementById("message-text").textContent = text;
    return new Promise((resolve) => {
      box.addEventListener("close", () => {
        if (returnTo) returnTo.focus();
        resolve();
      }, { once: true });
      box.showModal();
    });
  }

  // A field's reading by the engine: an accepted value is shown as the
  // program writes it; a refusal is said, and the user goes back to the field.
  function accepted(input, read, title) {
    if (read.refusal !== undefined) {
      input.setAttribute("aria-invalid", "true");
      tell(title, read.refusal, input);
      return false;
    }
    input.removeAttribute("aria-invalid");
    input.value = read.text;
    return true;
  }

  // A command's boxes ({title, text, line}), one after the other as the
  // desktop shows them; the log keeps each as ventora-run prints it.
  async function tellAll(boxes) {
    for (const box of boxes) {
      const shown = tell(box.title, box.text);
      log().lastElementChild.textContent = box.line;
      await shown;
    }
  }

  return { note, tell, tellAll, accepted };
})();
