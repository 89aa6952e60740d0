object GroupBox5: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Conductor Characteristics '
  object Image51: TImage
    Left = 16
    Top = 24
    Width = 200
    Height = 152
    Picture = 'cond_single_int'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image49: TImage
    Left = 16
    Top = 24
    Width = 200
    Height = 152
    Picture = 'cond_single_ext'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image52: TImage
    Left = 16
    Top = 24
    Width = 200
    Height = 152
    Picture = 'cond_single_int_plane'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image15: TImage
    Left = 16
    Top = 24
    Width = 200
    Height = 152
    Picture = 'cond_single_ext_plane'
    Stretch = True
    Proportional = True
  end
  object Image54: TImage
    Left = 16
    Top = 24
    Width = 200
    Height = 152
    Picture = 'cond_parallel_int'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image50: TImage
    Left = 16
    Top = 24
    Width = 200
    Height = 152
    Picture = 'cond_parallel_ext'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image53: TImage
    Left = 16
    Top = 24
    Width = 200
    Height = 152
    Picture = 'cond_parallel_int_plane'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image3: TImage
    Left = 16
    Top = 24
    Width = 200
    Height = 152
    Picture = 'cond_parallel_ext_plane'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object RadioGroup8: TRadioGroup
    OnClick = RadioGroup8Click
    Left = 16
    Top = 184
    Width = 144
    Height = 72
    Caption = ' Solve For '
    Hint = 'Switch between solving for amperage and solving for conductor width.'
    Items.Strings = (
      'Amperage'
      'Conductor Width')
    ItemIndex = 0
    TabOrder = 0
  end
  object BitBtn1: TBitBtn
    OnClick = BitBtn1Click
    Left = 168
    Top = 192
    Width = 48
    Height = 26
    Caption = 'Help'
    Hint = 'Click for more information.'
    TabOrder = 1
  end
  object Label339: TLabel
    Left = 16
    Top = 264
    Width = 200
    Height = 16
    Caption = 'Etch Factor has been set'
    Visible = False
  end
  object Label340: TLabel
    Left = 16
    Top = 280
    Width = 200
    Height = 16
    Caption = 'to None for accuracy.'
    Visible = False
  end
  object RadioGroup15: TRadioGroup
    OnClick = RadioGroup15Click
    Left = 16
    Top = 304
    Width = 200
    Height = 48
    Caption = '  Parallel Conductors? '
    Columns = 2
    Hint = 'Select between a single conductor or parallel conductors. (Spacing <= 25.4mm, 1.00")'
    Items.Strings = (
      'No'
      'Yes')
    ItemIndex = 0
    TabOrder = 2
  end
  object RadioGroup2: TRadioGroup
    OnClick = RadioGroup2Click
    Left = 16
    Top = 360
    Width = 200
    Height = 48
    Caption = ' Plane Present? '
    Columns = 2
    Hint = 'Select this option if the PCB has a plane to help dissipate heat.'
    Items.Strings = (
      'No'
      'Yes')
    ItemIndex = 0
    TabOrder = 3
  end
  object Label243: TLabel
    Left = 16
    Top = 520
    Width = 240
    Height = 16
    Caption = 'IPC-2152 with modifiers mode'
  end
  object Label17: TLabel
    Left = 232
    Top = 27
    Width = 176
    Height = 16
    Caption = 'Conductor Width'
  end
  object Edit15: TEdit
    OnKeyDown = Edit15KeyDown
    OnKeyPress = Edit15KeyPress
    Left = 416
    Top = 24
    Width = 72
    Height = 22
    Text = '50'
    MaxLength = 8
    Hint = 'Enter the width of the conductor.'
    TabOrder = 4
  end
  object Edit57: TEdit
    Left = 508
    Top = 24
    Width = 41
    Height = 22
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 5
  end
  object Label620: TLabel
    Left = 232
    Top = 55
    Width = 176
    Height = 16
    Caption = 'Conductor Length'
  end
  object Edit18: TEdit
    OnKeyDown = Edit18KeyDown
    OnKeyPress = Edit18KeyPress
    Left = 416
    Top = 52
    Width = 88
    Height = 22
    Text = '1000'
    MaxLength = 8
    TabOrder = 6
  end
  object Edit58: TEdit
    Left = 508
    Top = 52
    Width = 48
    Height = 22
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 7
  end
  object Label235: TLabel
    Left = 232
    Top = 83
    Width = 176
    Height = 16
    Caption = 'PCB Thickness'
  end
  object Edit126: TEdit
    OnKeyDown = Edit126KeyDown
    OnKeyPress = Edit126KeyPress
    Left = 416
    Top = 80
    Width = 88
    Height = 22
    Text = '62'
    TabOrder = 8
  end
  object Edit127: TEdit
    Left = 508
    Top = 80
    Width = 48
    Height = 22
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 9
  end
  object Label236: TLabel
    Left = 232
    Top = 111
    Width = 176
    Height = 16
    Caption = 'Parallel Conductor Count'
    Visible = False
  end
  object Edit128: TEdit
    OnKeyDown = Edit128KeyDown
    OnKeyPress = Edit128KeyPress
    Left = 416
    Top = 108
    Width = 88
    Height = 22
    Text = '16'
    Visible = False
    TabOrder = 10
  end
  object Label37: TLabel
    Left = 232
    Top = 139
    Width = 176
    Height = 16
    Caption = 'Distance to Plane'
    Visible = False
  end
  object Edit132: TEdit
    OnKeyDown = Edit132KeyDown
    OnKeyPress = Edit132KeyPress
    Left = 416
    Top = 136
    Width = 88
    Height = 22
    Text = '10'
    Visible = False
    TabOrder = 11
  end
  object Edit133: TEdit
    Left = 508
    Top = 136
    Width = 48
    Height = 22
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    Visible = False
    TabOrder = 12
  end
  object Label621: TLabel
    Left = 232
    Top = 167
    Width = 176
    Height = 16
    Caption = 'Frequency'
  end
  object Edit130: TEdit
    OnKeyDown = Edit130KeyDown
    OnKeyPress = Edit130KeyPress
    Left = 416
    Top = 164
    Width = 88
    Height = 22
    Text = '1'
    TabOrder = 13
  end
  object Edit131: TEdit
    Left = 508
    Top = 164
    Width = 48
    Height = 22
    Text = 'MHz'
    ReadOnly = True
    TabStop = False
    TabOrder = 14
  end
  object CheckBox1: TCheckBox
    OnClick = CheckBox1Click
    OnKeyPress = CheckBox1KeyPress
    Left = 568
    Top = 164
    Width = 56
    Height = 22
    Caption = 'DC'
    Hint = 'Click here for DC currents.'
    TabOrder = 15
  end
  object Label405: TLabel
    Left = 232
    Top = 195
    Width = 176
    Height = 16
    Caption = 'Load Current'
  end
  object Edit69: TEdit
    OnKeyDown = Edit69KeyDown
    OnKeyPress = Edit69KeyPress
    Left = 416
    Top = 192
    Width = 88
    Height = 22
    Text = '5'
    TabOrder = 16
  end
  object Edit407: TEdit
    Left = 508
    Top = 192
    Width = 48
    Height = 22
    Text = 'Amps'
    ReadOnly = True
    TabStop = False
    TabOrder = 17
  end
  object Label18: TLabel
    Left = 232
    Top = 235
    Width = 176
    Height = 16
    Caption = 'Conductor Cross Section'
  end
  object Edit16: TEdit
    Left = 416
    Top = 232
    Width = 140
    Height = 22
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 18
  end
  object Label19: TLabel
    Left = 232
    Top = 263
    Width = 176
    Height = 16
    Caption = 'Conductor Current'
  end
  object Edit17: TEdit
    Left = 416
    Top = 260
    Width = 140
    Height = 22
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 19
  end
  object Label622: TLabel
    Left = 232
    Top = 291
    Width = 176
    Height = 16
    Caption = 'DC Resistance'
  end
  object Edit20: TEdit
    Left = 416
    Top = 288
    Width = 140
    Height = 22
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 20
  end
  object Label625: TLabel
    Left = 232
    Top = 319
    Width = 176
    Height = 16
    Caption = 'Voltage Drop'
  end
  object Edit78: TEdit
    Left = 416
    Top = 316
    Width = 140
    Height = 22
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 21
  end
  object Label623: TLabel
    Left = 232
    Top = 347
    Width = 176
    Height = 16
    Caption = 'Power Dissipation'
  end
  object Edit48: TEdit
    Left = 416
    Top = 344
    Width = 140
    Height = 22
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 22
  end
  object Label624: TLabel
    Left = 232
    Top = 375
    Width = 176
    Height = 16
    Caption = 'Power Dissipation (dBm)'
  end
  object Edit135: TEdit
    Left = 416
    Top = 372
    Width = 140
    Height = 22
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 23
  end
  object Label53: TLabel
    Left = 232
    Top = 403
    Width = 176
    Height = 16
    Caption = 'Loaded Voltage Drop'
  end
  object Edit406: TEdit
    Left = 416
    Top = 400
    Width = 140
    Height = 22
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 24
  end
  object Label237: TLabel
    Left = 232
    Top = 431
    Width = 176
    Height = 16
    Caption = 'Skin Depth'
  end
  object Edit129: TEdit
    Left = 416
    Top = 428
    Width = 140
    Height = 22
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 25
  end
  object Label239: TLabel
    Left = 232
    Top = 459
    Width = 176
    Height = 16
    Caption = 'Skin Depth Percentage'
  end
  object Edit134: TEdit
    Left = 416
    Top = 456
    Width = 140
    Height = 22
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 26
  end
  object Label626: TLabel
    Left = 568
    Top = 24
    Width = 92
    Height = 16
    Caption = 'Etch Factor:'
  end
  object Label126: TLabel
    Left = 664
    Top = 24
    Width = 40
    Height = 16
    Caption = 'None'
  end
  object Image68: TImage
    Left = 568
    Top = 48
    Width = 136
    Height = 96
    Picture = 'cond_etch_1to1'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image73: TImage
    Left = 568
    Top = 48
    Width = 136
    Height = 96
    Picture = 'cond_etch_2to1'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image69: TImage
    Left = 568
    Top = 48
    Width = 136
    Height = 96
    Picture = 'cond_etch_none'
    Stretch = True
    Proportional = True
  end
  object Button20: TButton
    Left = 568
    Top = 398
    Width = 136
    Height = 26
    Caption = 'Open Voltage Drop'
    Visible = False
    TabOrder = 27
  end
  // hidden: the last resistivity band value
  object Label351: TLabel
    Left = 568
    Top = 432
    Width = 56
    Height = 13
    Caption = 'Label351'
    Visible = False
  end
end
