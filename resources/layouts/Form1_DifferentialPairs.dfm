// The differential-pair panel.
object GroupBox8: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Differential Pairs '
  object Label860: TLabel
    Left = 16
    Top = 40
    Width = 130
    Height = 15
    Caption = 'Conductor Width (W)'
  end
  // Geometry and signal inputs with their captions and unit boxes.
  // conductor width W
  object Edit21: TEdit
    OnKeyDown = Edit21KeyDown
    OnKeyPress = Edit21KeyPress
    Left = 16
    Top = 64
    Width = 96
    Height = 22
    Text = '10'
    Hint = 'Enter the width of the conductor.'
    TabOrder = 0
    TabStop = True
  end
  // unit of Edit21
  object Edit62: TEdit
    Left = 116
    Top = 68
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabOrder = 13
    TabStop = False
  end
  object Label861: TLabel
    Left = 16
    Top = 96
    Width = 138
    Height = 15
    Caption = 'Conductor Spacing (S)'
  end
  // conductor spacing S
  object Edit26: TEdit
    OnKeyDown = Edit26KeyDown
    OnKeyPress = Edit26KeyPress
    Left = 16
    Top = 120
    Width = 96
    Height = 22
    Text = '5'
    Hint = 'Enter the distance between the conductors.'
    TabOrder = 1
    TabStop = True
  end
  // unit of Edit26
  object Edit63: TEdit
    Left = 116
    Top = 124
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabOrder = 15
    TabStop = False
  end
  // "Conductor Height (H)" or "(H1)"
  object Label40: TLabel
    Left = 16
    Top = 152
    Width = 132
    Height = 15
    Caption = 'Conductor Height (H)'
  end
  // conductor height H (H1)
  object Edit27: TEdit
    OnKeyDown = Edit27KeyDown
    OnKeyPress = Edit27KeyPress
    Left = 16
    Top = 176
    Width = 96
    Height = 22
    Text = '15'
    Hint = 'Enter the conductor''s distance above its reference plane.'
    TabOrder = 2
    TabStop = True
  end
  // unit of Edit27
  object Edit64: TEdit
    Left = 116
    Top = 180
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabOrder = 17
    TabStop = False
  end
  // "Conductor Height (H2)"
  object Label58: TLabel
    Left = 16
    Top = 208
    Width = 139
    Height = 15
    Caption = 'Conductor Height (H2)'
    Visible = False
  end
  // second height H2
  object Edit32: TEdit
    OnKeyDown = Edit32KeyDown
    OnKeyPress = Edit32KeyPress
    Left = 16
    Top = 232
    Width = 96
    Height = 22
    Text = '5'
    Hint = 'Enter the conductor''s distance below its reference plane.'
    TabOrder = 3
    TabStop = True
    Visible = False
  end
  // unit of Edit32
  object Edit65: TEdit
    Left = 116
    Top = 236
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabOrder = 19
    TabStop = False
    Visible = False
  end
  // "Applied Voltage"
  object Label391: TLabel
    Left = 16
    Top = 208
    Width = 98
    Height = 15
    Caption = 'Applied Voltage'
  end
  // aggressor voltage
  object Edit394: TEdit
    OnKeyDown = Edit394KeyDown
    OnKeyPress = Edit394KeyPress
    Left = 16
    Top = 232
    Width = 96
    Height = 22
    Text = '1'
    Hint = 'Enter the aggressor signal voltage.'
    TabOrder = 4
    TabStop = True
  end
  // "Volts"
  object Edit395: TEdit
    Left = 116
    Top = 236
    Width = 48
    Height = 18
    Text = 'Volts'
    ReadOnly = True
    TabOrder = 20
    TabStop = False
  end
  // "Coupled Length"
  object Label47: TLabel
    Left = 16
    Top = 264
    Width = 98
    Height = 15
    Caption = 'Coupled Length'
  end
  // coupled length
  object Edit398: TEdit
    OnKeyDown = Edit398KeyDown
    OnKeyPress = Edit398KeyPress
    Left = 16
    Top = 288
    Width = 96
    Height = 22
    Text = '100'
    Hint = 'Enter the coupled length of the conductors.'
    TabOrder = 5
    TabStop = True
  end
  // unit of Edit398
  object Edit399: TEdit
    Left = 116
    Top = 292
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabOrder = 22
    TabStop = False
  end
  // "Signal Risetime"
  object Label401: TLabel
    Left = 16
    Top = 320
    Width = 97
    Height = 15
    Caption = 'Signal Risetime'
  end
  // rise time in ns
  object Edit400: TEdit
    OnKeyDown = Edit400KeyDown
    OnKeyPress = Edit400KeyPress
    Left = 16
    Top = 344
    Width = 96
    Height = 22
    Text = '1'
    Hint = 'Enter the risetime of the signal in nanoseconds.'
    TabOrder = 6
    TabStop = True
  end
  // "ns"
  object Edit401: TEdit
    Left = 116
    Top = 348
    Width = 48
    Height = 18
    Text = 'ns'
    ReadOnly = True
    TabOrder = 26
    TabStop = False
  end
  // Structure pictures, one shown at a time.
  // Edge Cpld Ext
  object Image1: TImage
    Left = 376
    Top = 24
    Width = 333
    Height = 216
    Picture = 'diff_edge_ext'
    Stretch = True
    Proportional = True
  end
  // Edge Cpld Int Sym
  object Image4: TImage
    Left = 376
    Top = 24
    Width = 333
    Height = 216
    Picture = 'diff_edge_int_sym'
    Stretch = True
    Proportional = True
    Visible = False
  end
  // Edge Cpld Int Asym
  object Image23: TImage
    Left = 376
    Top = 24
    Width = 333
    Height = 216
    Picture = 'diff_edge_int_asym'
    Stretch = True
    Proportional = True
    Visible = False
  end
  // Edge Cpld Embed
  object Image21: TImage
    Left = 376
    Top = 24
    Width = 333
    Height = 216
    Picture = 'diff_edge_embed'
    Stretch = True
    Proportional = True
    Visible = False
  end
  // Broad Cpld Shld
  object Image17: TImage
    Left = 376
    Top = 24
    Width = 333
    Height = 216
    Picture = 'diff_broad_shld'
    Stretch = True
    Proportional = True
    Visible = False
  end
  // Broad Cpld NShld
  object Image18: TImage
    Left = 376
    Top = 24
    Width = 333
    Height = 216
    Picture = 'diff_broad_nshld'
    Stretch = True
    Proportional = True
    Visible = False
  end
  // Results.
  // "Zo"
  object Label43: TLabel
    Left = 200
    Top = 40
    Width = 20
    Height = 15
    Caption = 'Zo'
  end
  // single-ended impedance
  object Edit28: TEdit
    Left = 200
    Top = 64
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Impedance of a single conductor in the differential pair.'
    ReadOnly = True
    TabOrder = 14
    TabStop = False
    Font.Color = clNavy
    Font.Style = [fsBold]
  end
  object Label862: TLabel
    Left = 200
    Top = 96
    Width = 77
    Height = 15
    Caption = 'Zdifferential'
  end
  // differential impedance
  object Edit29: TEdit
    Left = 200
    Top = 120
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Differential impedance of the two conductors.'
    ReadOnly = True
    TabOrder = 16
    TabStop = False
    Font.Color = clNavy
    Font.Style = [fsBold]
  end
  // inside the target window: lime, else red
  object Shape1: TShape
    Left = 344
    Top = 120
    Width = 22
    Height = 22
    Shape = stSquare
    Brush.Color = clLime
    Hint = 'Indicates if the Zdifferential value is within tolerance of the target Zdiff.'
  end
  object Label863: TLabel
    Left = 200
    Top = 152
    Width = 35
    Height = 15
    Caption = 'Zodd'
  end
  // odd mode
  object Edit388: TEdit
    Left = 200
    Top = 176
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Odd mode impedance of the differential pair.'
    ReadOnly = True
    TabOrder = 18
    TabStop = False
    Font.Color = clNavy
    Font.Style = [fsBold]
  end
  object Label864: TLabel
    Left = 200
    Top = 208
    Width = 42
    Height = 15
    Caption = 'Zeven'
  end
  // even mode
  object Edit389: TEdit
    Left = 200
    Top = 232
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Even mode impedance of the differential pair.'
    ReadOnly = True
    TabOrder = 21
    TabStop = False
    Font.Color = clNavy
    Font.Style = [fsBold]
  end
  object Label865: TLabel
    Left = 200
    Top = 264
    Width = 62
    Height = 15
    Caption = 'Kb (Term)'
  end
  // Kb, terminated
  object Edit390: TEdit
    Left = 200
    Top = 288
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Kb is the coupling coefficient of the pair when terminated.'
    ReadOnly = True
    TabOrder = 23
    TabStop = False
    Font.Color = clNavy
    Font.Style = [fsBold]
  end
  object Label866: TLabel
    Left = 376
    Top = 264
    Width = 20
    Height = 15
    Caption = 'dB'
  end
  // Kb in dB
  object Edit392: TEdit
    Left = 376
    Top = 288
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Kb coupling coefficient in terms of decibels.'
    ReadOnly = True
    TabOrder = 24
    TabStop = False
    Font.Color = clNavy
    Font.Style = [fsBold]
  end
  object Label867: TLabel
    Left = 552
    Top = 264
    Width = 85
    Height = 15
    Caption = 'NEXT Voltage'
  end
  // NEXT voltage, terminated
  object Edit396: TEdit
    Left = 552
    Top = 288
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Near-End coupled voltage of the pair with respect to the aggressor voltage. (Terminated)'
    ReadOnly = True
    TabOrder = 25
    TabStop = False
    Font.Color = clNavy
    Font.Style = [fsBold]
  end
  object Label868: TLabel
    Left = 200
    Top = 320
    Width = 81
    Height = 15
    Caption = 'Kb'' (Unterm)'
  end
  // Kb', unterminated
  object Edit391: TEdit
    Left = 200
    Top = 344
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Kb'' is the coupling coefficient of the pair when unterminated.'
    ReadOnly = True
    TabOrder = 27
    TabStop = False
    Font.Color = clNavy
    Font.Style = [fsBold]
  end
  object Label869: TLabel
    Left = 376
    Top = 320
    Width = 20
    Height = 15
    Caption = 'dB'
  end
  // Kb' in dB
  object Edit393: TEdit
    Left = 376
    Top = 344
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Kb'' coupling coefficient in terms of decibels.'
    ReadOnly = True
    TabOrder = 28
    TabStop = False
    Font.Color = clNavy
    Font.Style = [fsBold]
  end
  object Label870: TLabel
    Left = 552
    Top = 320
    Width = 85
    Height = 15
    Caption = 'NEXT Voltage'
  end
  // NEXT voltage, unterminated
  object Edit397: TEdit
    Left = 552
    Top = 344
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Near-End coupled voltage of the pair with respect to the aggressor voltage. (Unterminated)'
    ReadOnly = True
    TabOrder = 29
    TabStop = False
    Font.Color = clNavy
    Font.Style = [fsBold]
  end
  object Label871: TLabel
    Left = 200
    Top = 376
    Width = 72
    Height = 15
    Caption = 'Target Zdiff'
  end
  // Target window.
  // target Zdiff
  object Edit151: TEdit
    OnClick = Edit151Click
    OnExit = Edit151Exit
    OnKeyDown = Edit151KeyDown
    OnKeyPress = Edit151KeyPress
    Left = 200
    Top = 400
    Width = 96
    Height = 22
    Text = '100'
    Hint = 'Enter the target differential impedance.'
    TabOrder = 7
    TabStop = True
  end
  // "Ohms"
  object Edit152: TEdit
    Left = 300
    Top = 404
    Width = 48
    Height = 18
    Text = 'Ohms'
    ReadOnly = True
    TabOrder = 30
    TabStop = False
  end
  object Label872: TLabel
    Left = 376
    Top = 376
    Width = 123
    Height = 15
    Caption = 'Differential Protocol'
  end
  // differential protocol
  object ComboBox5: TComboBox
    OnChange = ComboBox5Change
    OnKeyPress = ComboBox5KeyPress
    Left = 376
    Top = 400
    Width = 160
    Height = 22
    Style = csDropDownList
    DropDownCount = 18
    Hint = 'Select the differential protocol.'
    TabOrder = 8
    TabStop = True
    Items.Strings = (
      'DDR2 CLK/DQS'
      'DDR3 CLK/DQS'
      'DDR4 CLK/DQS'
      'USB 2.X'
      'USB 3.X'
      'LVDS'
      'HDMI'
      'SATA'
      'Ethernet'
      'DisplayPort'
      'DisplayPort Eaglelake'
      'DisplayPort Calpella'
      'PCIe Gen1'
      'PCIe Gen2'
      'PCIe Gen3'
      'PCIe Gen4'
      'SSRX/SSTX'
      'Custom')
    ItemIndex = 0
  end
  // "+/- Tolerance ="
  object Label45: TLabel
    Left = 552
    Top = 376
    Width = 97
    Height = 15
    Caption = '+/- Tolerance ='
  end
  // tolerance value
  object Label46: TLabel
    Left = 653
    Top = 376
    Width = 40
    Height = 15
    Caption = '12.5%'
  end
  // tolerance, positions 0 to 9
  object TrackBar1: TTrackBar
    OnChange = TrackBar1Change
    Left = 552
    Top = 396
    Width = 157
    Height = 32
    Min = 0
    Max = 9
    Frequency = 1
    Position = 4
    Hint = 'Slide to desired tolerance.'
    TabOrder = 9
    TabStop = True
  end
  object Label873: TLabel
    Left = 200
    Top = 432
    Width = 101
    Height = 15
    Caption = 'Target Zdiff Plus'
  end
  // target plus tolerance
  object Edit30: TEdit
    Left = 200
    Top = 456
    Width = 136
    Height = 22
    Text = ''
    Hint = '+ Tolerance of target Zdiff.'
    ReadOnly = True
    TabOrder = 31
    TabStop = False
    Font.Color = clNavy
    Font.Style = [fsBold]
  end
  object Label874: TLabel
    Left = 376
    Top = 432
    Width = 111
    Height = 15
    Caption = 'Target Zdiff Minus'
  end
  // target minus tolerance
  object Edit31: TEdit
    Left = 376
    Top = 456
    Width = 136
    Height = 22
    Text = ''
    Hint = '- Tolerance of target Zdiff.'
    ReadOnly = True
    TabOrder = 32
    TabStop = False
    Font.Color = clNavy
    Font.Style = [fsBold]
  end
  // "!" note
  object BitBtn6: TBitBtn
    OnClick = BitBtn6Click
    Left = 16
    Top = 448
    Width = 24
    Height = 24
    Caption = '!'
    Hint = 'Attention!'
    TabOrder = 10
    TabStop = True
  end
  // "Formula Restrictions:"
  object Label87: TLabel
    Left = 48
    Top = 452
    Width = 130
    Height = 15
    Caption = 'Formula Restrictions:'
  end
  // W/H range
  object Label88: TLabel
    Left = 48
    Top = 470
    Width = 102
    Height = 15
    Caption = '0.1 < W/H < 3.0'
  end
  // S/H range
  object Label89: TLabel
    Left = 48
    Top = 488
    Width = 98
    Height = 15
    Caption = '0.1 < S/H < 3.0'
  end
  // "Send to Via Calculator"
  object Button18: TButton
    OnClick = Button18Click
    Left = 437
    Top = 508
    Width = 184
    Height = 28
    Caption = 'Send to Via Calculator'
    Hint = 'Send the calculated differential impedance to the differential vias calculator.'
    TabOrder = 11
    TabStop = True
  end
  // help
  object BitBtn8: TBitBtn
    Left = 629
    Top = 508
    Width = 80
    Height = 28
    Kind = bkHelp
    Caption = '&Help'
    Hint = 'Open help on this topic.'
    TabOrder = 12
    TabStop = True
    OnClick = BitBtn8Click
  end
  // Off-centre stripline model: form used and the values s, c, r, k (never shown).
  object Label169: TLabel
    Left = 16
    Top = 516
    Width = 160
    Height = 15
    Caption = ''
    Visible = False
  end
  object Label170: TLabel
    Left = 200
    Top = 516
    Width = 48
    Height = 15
    Caption = ''
    Visible = False
  end
  object Label171: TLabel
    Left = 256
    Top = 516
    Width = 48
    Height = 15
    Caption = ''
    Visible = False
  end
  object Label172: TLabel
    Left = 312
    Top = 516
    Width = 48
    Height = 15
    Caption = ''
    Visible = False
  end
  object Label173: TLabel
    Left = 368
    Top = 516
    Width = 48
    Height = 15
    Caption = ''
    Visible = False
  end
end
