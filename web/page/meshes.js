// The two mesh dialogs: what they read and refuse is the desktop's (the
// engine's mesh bindings); a refusal keeps the dialog open at the box it
// names. The settings last accepted are kept between uses.
"use strict";
window.Ventora = window.Ventora || {};
Ventora.Meshes = class {
  constructor(engine, grid, facadeNow) {
    this.engine = engine;
    this.grid = grid;
    this.facadeNow = facadeNow;  // () => {facade, L, H}
    this.settings = { NH: 0, NV: 0, X0: 0, Z0: 0, DX: 0, DZ: 0 };
    this.autoDialog = document.getElementById("auto-mesh");
    this.userDialog = document.getElementById("user-mesh");
    this.wireAuto();
    this.wireUser();
  }

  // OK checks before the dialog closes; Esc and Cancel close it unchanged.
  static onOk(dialog, okButton, check) {
    okButton.addEventListener("click", async (e) => {
      e.preventDefault();
      if (await check()) dialog.close("ok");
    });
  }

  async refuse(dialog, prefix, result) {
    const box = document.getElementById(`${prefix}-${result.box}`);
    await Ventora.messages.tell("Ventora", result.refusal, box);
    return false;
  }

  wireAuto() {
    const field = (name) => document.getElementById(`auto-${name}`);
    const single = () => {
      const wall = this.facadeNow().facade < 5;
      for (const [count, coordinate, label] of [["NH", "X0", "X value:"],
                                                ["NV", "Z0", wall ? "Z value:" : "Y value:"]]) {
        const one = field(count).value.trim() === "1";
        field(coordinate).hidden = !one;
        document.getElementById(`auto-${coordinate}-label`).hidden = !one;
        document.getElementById(`auto-${coordinate}-label`).textContent = label;
      }
    };
    field("NH").addEventListener("input", single);
    field("NV").addEventListener("input", single);
    document.getElementById("auto-mesh-open").addEventListener("click", () => {
      single();
      this.autoDialog.showModal();
      field("NH").focus();
    });
    Ventora.Meshes.onOk(this.autoDialog, document.getElementById("auto-mesh-ok"), async () => {
      const mesh = { ...this.settings };
      const { L, H } = this.facadeNow();
      for (const [count, coordinate] of [["NH", "X0"], ["NV", "Z0"]]) {
        const read = this.engine.autoMeshCount(count, field(count).value);
        if (read.refusal !== undefined) return this.refuse(this.autoDialog, "auto", read);
        mesh[count] = read.count;
        if (read.count === 1) {
          const label = document.getElementById(`auto-${coordinate}-label`).textContent;
          const at = this.engine.autoMeshCoordinate(label, field(coordinate).value);
          if (at.refusal !== undefined) {
            return this.refuse(this.autoDialog, "auto", { ...at, box: coordinate });
          }
          mesh[coordinate] = at.value;
        }
      }
      const filled = this.engine.autoMesh(mesh, L, H);
      if (filled.refusal !== undefined) return this.refuse(this.autoDialog, "auto", filled);
      this.settings = filled.mesh;
      this.grid.fill(filled.nodes);
      return true;
    });
  }

  wireUser() {
    const field = (name) => document.getElementById(`user-${name}`);
    const fill = () => document.querySelector('input[name="user-fill"]:checked').value === "fill";
    for (const radio of document.querySelectorAll('input[name="user-fill"]')) {
      radio.addEventListener("change", () => {
        field("NH").disabled = fill();
        field("NV").disabled = fill();
      });
    }
    document.getElementById("user-mesh-open").addEventListener("click", () => {
      this.userDialog.showModal();
      field("X0").focus();
    });
    Ventora.Meshes.onOk(this.userDialog, document.getElementById("user-mesh-ok"), async () => {
      const { facade, L, H } = this.facadeNow();
      const boxes = {};
      for (const name of ["X0", "Z0", "DX", "DZ", "NH", "NV"]) boxes[name] = field(name).value;
      const filled = this.engine.userMesh(boxes, fill(), facade < 5, L, H);
      if (filled.refusal !== undefined) return this.refuse(this.userDialog, "user", filled);
      this.settings = filled.mesh;
      this.grid.fill(filled.nodes);
      return true;
    });
  }

  // A facade with no length or height takes no mesh.
  enable(L, H) {
    const meshable = L !== 0 && H !== 0;
    document.getElementById("auto-mesh-open").disabled = !meshable;
    document.getElementById("user-mesh-open").disabled = !meshable;
  }
};
