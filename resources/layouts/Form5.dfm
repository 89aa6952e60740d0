object Form5: TForm5
  Caption = 'Program References'
  ClientWidth = 600
  ClientHeight = 440
  BorderStyle = bsDialog
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 584
    Height = 424
    TabOrder = 0
    // the references, read-only
    object Memo1: TMemo
      OnKeyPress = Memo1KeyPress
      Left = 4
      Top = 4
      Width = 576
      Height = 416
      Color = clWhite
      ReadOnly = True
      ScrollBars = ssVertical
      Lines.Strings = (
        'IPC - www.ipc.org'
        'IPC-2221'
        'IPC-2251'
        'IPC-2152'
        'IPC-2141'
        ''
        '"Analytical Calculation for DC Inductances of Rectangular Spiral Inductors'
        'With Finite Metal Thickness in the PEEC Formulation"'
        'Research paper on the partial element equivalent circuit method'
        ''
        '"DC Line Resistance and Current Carrying Capacity"'
        'Application note of a printed circuit board manufacturer'
        ''
        '"Power Delivery Network (PDN) Tool for Stratix IV Devices"'
        'Application note of an FPGA vendor'
        ''
        'Thermal design data of a heat sink manufacturer'
        ''
        '"Width and Effective Dielectric Constant Equations for'
        'Design of Microstrip Transmission Lines"'
        'Application note of a laminate maker'
        ''
        '"Fusing Current, When Traces Melt Without a Trace"'
        '"Embedded Microstrip, Impedance Formula"'
        'Articles on printed circuit design'
        ''
        'Handbook author'
        '"Transmission Line Design Handbook"'
        'Technical publisher'
        'Norwood, MA, 1991'
        ''
        'An engineer of an aerospace company'
        ''
        '"Simple Accurate Expressions for Planar Spiral Inductances"'
        'Four authors'
        'Journal of solid-state circuits, 1999'
        ''
        '"Accurate Models for Microstrip Computer-'
        'Aided Design"'
        'Two authors'
        'Microwave symposium digest, 1980'
        ''
        '"Choosing the Right Crystal and Caps for your Design"'
        'Web article on crystal load capacitance'
        ''
        'Special thanks to:'
        ''
        'The author of the Ohm''s law pie chart'
        ''
        'The authors of the papers on modelling differential vias and via stubs'
        ''
        '"Choosing the Right Crystal and Caps for your Design"'
        ''
        'Everyone who has helped via the program feedback form, thank you all :)')
      TabOrder = 0
    end
  end
end
