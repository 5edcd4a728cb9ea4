// A file handed to the user as a download: the browser's own way of
// writing a file, as the job, the report and the exports are written.
"use strict";
window.Ventora = window.Ventora || {};
Ventora.download = (name, text) => {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([text], { type: "application/octet-stream" }));
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
};
