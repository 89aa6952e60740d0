object GroupBox13: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Minimum Conductor Spacing '
  object RadioGroup9: TRadioGroup
    Left = 16
    Top = 24
    Width = 208
    Height = 256
    Caption = ' Voltage Between Conductors '
    Hint = 'Select the peak AC or DC voltage between conductors.'
    Items.Strings = (
      '0 -15V'
      '16 - 30V'
      '31 - 50V'
      '51 - 100V'
      '101 - 150V'
      '151 - 170V'
      '171 - 250V'
      '251 - 300V'
      '301 - 500V'
      '> 500V')
    ItemIndex = 0
    TabOrder = 0
    OnClick = RadioGroup9Click
  end
  object RadioGroup10: TRadioGroup
    Left = 240
    Top = 24
    Width = 192
    Height = 192
    Caption = ' Device Type Selection '
    Hint = 'Select the type of device.'
    Items.Strings = (
      'B1 - Bare PCB'
      'B2 - Bare PCB'
      'B3 - Bare PCB'
      'B4 - Bare PCB'
      'A5 - Assembly'
      'A6 - Assembly'
      'A7 - Assembly')
    ItemIndex = 0
    TabOrder = 1
    OnClick = RadioGroup10Click
  end
  object Image38: TImage
    Left = 448
    Top = 24
    Width = 256
    Height = 176
    Picture = 'cond_spacing_b1'
    Stretch = True
    Proportional = True
  end
  object Image39: TImage
    Left = 448
    Top = 24
    Width = 256
    Height = 176
    Picture = 'cond_spacing_b2'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image37: TImage
    Left = 448
    Top = 24
    Width = 256
    Height = 176
    Picture = 'cond_spacing_b4'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image40: TImage
    Left = 448
    Top = 24
    Width = 256
    Height = 176
    Picture = 'cond_spacing_a5'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image41: TImage
    Left = 448
    Top = 24
    Width = 256
    Height = 176
    Picture = 'cond_spacing_a6'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image42: TImage
    Left = 448
    Top = 24
    Width = 256
    Height = 176
    Picture = 'cond_spacing_a7'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Label168: TLabel
    Left = 448
    Top = 208
    Width = 64
    Height = 16
    Caption = '+3050m'
    Visible = False
  end
  object Label21: TLabel
    Left = 16
    Top = 299
    Width = 208
    Height = 16
    Caption = 'Voltage between conductors'
    Enabled = False
  end
  object Edit79: TEdit
    OnKeyDown = Edit79KeyDown
    Left = 240
    Top = 296
    Width = 88
    Height = 22
    Text = '501'
    Hint = 'Enter the voltage between the conductors.'
    Enabled = False
    TabStop = False
    TabOrder = 2
  end
  object Label97: TLabel
    Left = 16
    Top = 327
    Width = 208
    Height = 16
    Caption = 'Minimum Conductor Spacing'
  end
  object Edit51: TEdit
    Left = 240
    Top = 324
    Width = 144
    Height = 22
    Text = '0.05mm'
    ReadOnly = True
    Hint = 'Minimum conductor spacing for selected values.'
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabStop = False
    TabOrder = 3
  end
  object Button11: TButton
    OnClick = Button11Click
    Left = 400
    Top = 322
    Width = 136
    Height = 26
    Caption = 'IPC-2221B Values'
    Hint = 'Click for internet resource.'
    TabOrder = 4
  end
  object Label90: TLabel
    Left = 16
    Top = 376
    Width = 584
    Height = 16
    Caption = 'B1 = Internal Conductors'
  end
  object Label91: TLabel
    Left = 16
    Top = 396
    Width = 584
    Height = 16
    Caption = 'B2 = External Conductors, uncoated, sea level to 3050m'
  end
  object Label92: TLabel
    Left = 16
    Top = 416
    Width = 584
    Height = 16
    Caption = 'B3 = External Conductors, uncoated, over 3050m'
  end
  object Label93: TLabel
    Left = 16
    Top = 436
    Width = 584
    Height = 16
    Caption = 'B4 = External Conductors, with permanent polymer coating (any elevation)'
  end
  object Label94: TLabel
    Left = 16
    Top = 456
    Width = 584
    Height = 16
    Caption = 'A5 = External Conductors, with conformal coating over assembly (any elevation)'
  end
  object Label95: TLabel
    Left = 16
    Top = 476
    Width = 584
    Height = 16
    Caption = 'A6 = External Component lead/termination, uncoated'
  end
  object Label96: TLabel
    Left = 16
    Top = 496
    Width = 584
    Height = 16
    Caption = 'A7 = External Component lead/termination, with conformal coating (any elevation)'
  end
end
