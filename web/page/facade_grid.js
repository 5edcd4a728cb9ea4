// The elements of one facade as 400 numbered rows of X and Z (Y on the
// roof), as the desktop's facade editor holds them: a cell is checked when
// it is left, a coordinate beyond the facade is marked, and OK takes every
// row with two numbers into the job, in order.
"use strict";
window.Ventora = window.Ventora || {};
Ventora.FacadeGrid = class {
  static ROWS = 400;

  constructor(engine, table, onTaken) {
    this.engine = engine;
    this.body = table.tBodies[0];
    this.onTaken = onTaken;
    this.facade = 1;
    this.extents = { L: 0, H: 0 };
    this.changed = false;
    const rows = [];
    for (let r = 1; r <= Ventora.FacadeGrid.ROWS; ++r) {
      const row = document.createElement("tr");
      const number = document.createElement("td");
      number.textContent = String(r);
      row.append(number);
      for (const column of [1, 2]) {
        const cell = document.createElement("td");
        const input = document.createElement("input");
        input.id = `cell-${r}-${column}`;
        input.setAttribute("aria-label", `Row ${r}, ${column === 1 ? "X" : "second coordinate"}`);
        input.inputMode = "decimal";
        input.dataset.column = String(column);
        cell.append(input);
        row.append(cell);
      }
      rows.push(row);
    }
    this.body.append(...rows);
    this.body.addEventListener("change", (e) => this.leave(e.target));
    this.body.addEventListener("input", () => { this.changed = true; });
    this.body.addEventListener("keydown", (e) => this.key(e));
  }

  input(row, column) {
    return document.getElementById(`cell-${row}-${column}`);
  }

  // The facade's cells from the job.
  load(job, facade, extents) {
    this.facade = facade;
    this.extents = extents;
    const { x, z } = job.facades[facade - 1];
    for (let r = 1; r <= Ventora.FacadeGrid.ROWS; ++r) {
      this.input(r, 1).value = r <= x.length ? this.engine.valueText(x[r - 1]) : "";
      this.input(r, 2).value = r <= z.length ? this.engine.valueText(z[r - 1]) : "";
    }
    this.markAll();
    this.changed = false;
  }

  // A cell left with text that is no number is refused, and the user goes
  // back to it; a number is shown as the program writes it.
  leave(input) {
    if (!input.dataset.column || input.value === "") {
      this.mark(input);
      return;
    }
    if (Ventora.messages.accepted(input, this.engine.leaveCell(input.value), "Error!"))
      this.mark(input);
  }

  mark(input) {
    const column = Number(input.dataset.column);
    const value = this.engine.cellValue(input.value);
    const extent = column === 1 ? this.extents.L : this.extents.H;
    const outside = value !== null && this.engine.outsideFacade(column, value, extent);
    input.classList.toggle("outside", outside);
    input.title = outside ? `Outside the facade: it is ${this.engine.valueText(this.extents.L)} m ` +
                            `long and ${this.engine.valueText(this.extents.H)} m high` : "";
  }

  markAll() {
    for (let r = 1; r <= Ventora.FacadeGrid.ROWS; ++r) {
      this.mark(this.input(r, 1));
      this.mark(this.input(r, 2));
    }
  }

  // Enter walks X, then the second coordinate, then the next row.
  key(e) {
    if (e.key !== "Enter" || !e.target.dataset.column) return;
    e.preventDefault();
    const [, row, column] = e.target.id.split("-").map(Number);
    const next = column === 1 ? this.input(row, 2) : this.input(row + 1, 1);
    if (next) next.focus();
  }

  clear() {
    for (let r = 1; r <= Ventora.FacadeGrid.ROWS; ++r) {
      this.input(r, 1).value = "";
      this.input(r, 2).value = "";
    }
    this.markAll();
    this.changed = true;
  }

  fill(nodes) {
    this.clear();
    nodes.slice(0, Ventora.FacadeGrid.ROWS).forEach(([x, z], i) => {
      this.input(i + 1, 1).value = x;
      this.input(i + 1, 2).value = z;
    });
    this.markAll();
  }

  // Rows with two numbers go into the job, the others are emptied.
  take(job) {
    const x = [];
    const z = [];
    for (let r = 1; r <= Ventora.FacadeGrid.ROWS; ++r) {
      const a = this.engine.cellValue(this.input(r, 1).value);
      const b = a === null ? null : this.engine.cellValue(this.input(r, 2).value);
      if (a !== null && b !== null) {
        x.push(a);
        z.push(b);
      } else {
        this.input(r, a !== null ? 2 : 1).value = "";
      }
    }
    job.facades[this.facade - 1] = { x, z };
    this.changed = false;
    this.onTaken();
  }
};
