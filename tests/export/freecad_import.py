"""Runs inside freecadcmd: imports the files a job names with FreeCAD's own importers (importDXF, the
C++ DXF reader, one object per layer; importSVG, one object per path) and writes what it found.

The job comes as JSON in the file named by VESK_FREECAD_JOB: {"files": [PATH, ...], "result": PATH}.
The result maps each file to its objects: name, label, edge count, how many edges are circular
arcs, the number of wires its edges sort into, whether each is closed, the bounding box (mm) and
points along the edges as FreeCAD's geometry has them (no farther than 1e-5 mm from any edge).
Printing is no use: FreeCAD's progress output runs into the script's own lines.
"""
import json
import os
import traceback

import FreeCAD
import Part

job = json.load(open(os.environ['VESK_FREECAD_JOB']))
draft = FreeCAD.ParamGet('User parameter:BaseApp/Preferences/Mod/Draft')
draft.SetBool('dxfUseLegacyImporter', False)
draft.SetBool('groupLayers', True)
draft.SetBool('dxftext', False)
draft.SetFloat('dxfScaling', 1.0)

result = {}
for path in job['files']:
    entry = {'objects': [], 'error': None}
    try:
        doc = FreeCAD.newDocument()
        if path.lower().endswith('.dxf'):
            import importDXF
            importDXF.insert(path, doc.Name)
        else:
            import importSVG
            importSVG.insert(path, doc.Name)
        doc.recompute()
        for o in doc.Objects:
            shape = getattr(o, 'Shape', None)
            if shape is None or shape.isNull() or not shape.Edges:
                continue
            groups = Part.sortEdges(shape.Edges)
            wires = [Part.Wire(g) for g in groups]
            box = shape.BoundBox
            entry['objects'].append({
                'name': o.Name, 'label': o.Label, 'edges': len(shape.Edges), 'wires': len(wires),
                'arcs': sum(1 for e in shape.Edges if isinstance(e.Curve, Part.Circle)),
                'points': [[p.x, p.y] for w in wires for p in w.discretize(Deflection=1e-5)],
                'closed': [w.isClosed() for w in wires],
                'box': [box.XMin, box.YMin, box.XMax, box.YMax],
                'vertex_box': [min(v.X for v in shape.Vertexes), min(v.Y for v in shape.Vertexes),
                               max(v.X for v in shape.Vertexes), max(v.Y for v in shape.Vertexes)],
            })
        FreeCAD.closeDocument(doc.Name)
    except Exception:
        entry['error'] = traceback.format_exc()
    result[path] = entry
json.dump(result, open(job['result'], 'w'), indent=1)
